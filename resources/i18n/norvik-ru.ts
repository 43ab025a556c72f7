<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>BrandPaymentReport</name>
    <message>
        <location filename="../../app/src/report/brandpaymentreport.cpp" line="+26"/>
        <source>Brand Payment Report</source>
        <translation>Отчет по платежам брендированных машин</translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>The server did not answer within %n second(s): no drivers were added</source>
        <translation>
            <numerusform>Сервер не ответил за %n секунду: водители не добавлены</numerusform>
            <numerusform>Сервер не ответил за %n секунды: водители не добавлены</numerusform>
            <numerusform>Сервер не ответил за %n секунд: водители не добавлены</numerusform>
        </translation>
    </message>
    <message>
        <location line="+87"/>
        <source>The server&apos;s list of drivers cannot be read: %1</source>
        <translation>Список водителей от сервера не читается: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>not a list</source>
        <translation>не список</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The connection to the server was lost: no drivers were added</source>
        <translation>Соединение с сервером потеряно: водители не добавлены</translation>
    </message>
</context>
<context>
    <name>BrandReport</name>
    <message>
        <location filename="../../app/src/report/brandreport.cpp" line="+8"/>
        <source>Brand Report</source>
        <translation>Отчет по брендированным машинам</translation>
    </message>
</context>
<context>
    <name>CompanyTable</name>
    <message>
        <location filename="../../app/src/frame/companytable.cpp" line="+19"/>
        <source>Companies</source>
        <translation>Компании</translation>
    </message>
</context>
<context>
    <name>ControllerChangePassword</name>
    <message>
        <location filename="../../app/src/dialog/controllerchangepassword.cpp" line="+24"/>
        <source>The password cannot be changed: the record has no id.</source>
        <translation>Пароль нельзя изменить: у записи нет ID.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enter the new password.</source>
        <translation>Введите новый пароль.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The new password and its confirmation differ.</source>
        <translation>Новый пароль и подтверждение не совпадают.</translation>
    </message>
</context>
<context>
    <name>DriverBalanceReport</name>
    <message>
        <location filename="../../app/src/report/driverbalancereport.cpp" line="+11"/>
        <source>Driver Balance Report</source>
        <translation>Отчет по балансу водителей</translation>
    </message>
</context>
<context>
    <name>DriverReport</name>
    <message>
        <location filename="../../app/src/report/driverreport.cpp" line="+6"/>
        <source>Driver Report</source>
        <translation>Сводный отчет по водителям</translation>
    </message>
</context>
<context>
    <name>DriverSession</name>
    <message>
        <location filename="../../app/src/controller/driver/driversession.cpp" line="+23"/>
        <source>not closed</source>
        <translation>не закрыт</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>client watchdog</source>
        <translation>сторожевой таймер клиента</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>server watchdog</source>
        <translation>сторожевой таймер сервера</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>closed by the user</source>
        <translation>закрыт пользователем</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>closed by other user</source>
        <translation>закрыт другим пользователем</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>close by server midnight handler</source>
        <translation>закрыт сервером в полночь</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>hard closed</source>
        <translation>закрыт принудительно</translation>
    </message>
</context>
<context>
    <name>DriverSessionReport</name>
    <message>
        <location filename="../../app/src/report/driversessionreport.cpp" line="+6"/>
        <source>Driver Session Report</source>
        <translation>Отчет по сессиям водителей</translation>
    </message>
</context>
<context>
    <name>Global</name>
    <message>
        <location filename="../../app/src/shell/global.cpp" line="+70"/>
        <source>All groups</source>
        <translation>Все группы</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All types</source>
        <translation>Все типы</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>All cities</source>
        <translation>Все города</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <location filename="../../app/src/shell/mainmenu.cpp" line="+24"/>
        <source>&amp;Company</source>
        <translation>&amp;Компания</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Driver</source>
        <translation>&amp;Водитель</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;User</source>
        <translation>&amp;Пользователь</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Address</source>
        <translation>&amp;Адрес</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Payment</source>
        <translation>Пла&amp;тежи</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Attr&amp;ibutes</source>
        <translation>Атри&amp;буты</translation>
    </message>
    <message>
        <location filename="../../app/src/shell/menucommands.cpp" line="+8"/>
        <source>&amp;Companies</source>
        <translation>&amp;Компании</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Terminal Companies</source>
        <translation>&amp;Терминальные компании</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Drivers</source>
        <translation>&amp;Водители</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Drivers In &amp;Archive</source>
        <translation>Водители в &amp;архиве</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Driver &amp;Groups</source>
        <translation>&amp;Группы водителей</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>C&amp;rash Reports</source>
        <translation>Отчеты о &amp;сбоях</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Driver &amp;Sessions</source>
        <translation>Сессии водит&amp;елей</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Cars</source>
        <translation>Авто&amp;мобили</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Car &amp;Brands</source>
        <translation>&amp;Марки автомобилей</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Car B&amp;ody Types</source>
        <translation>&amp;Типы кузова</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Car &amp;Colors</source>
        <translation>&amp;Цвета автомобилей</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Users</source>
        <translation>&amp;Пользователи</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User &amp;Groups</source>
        <translation>&amp;Группы пользователей</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>User &amp;Sessions</source>
        <translation>&amp;Сессии пользователей</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Cities</source>
        <translation>&amp;Города</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Payment System &amp;Logs</source>
        <translation>&amp;Журналы платежных систем</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Versions</source>
        <translation>&amp;Версии</translation>
    </message>
    <message>
        <location line="-23"/>
        <source>Driver &amp;Balance Transfers</source>
        <translation>Перев&amp;оды баланса водителей</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Driver &amp;Paid Service Types</source>
        <translation>Типы &amp;платных услуг водителей</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>Driver Raise Ra&amp;ting</source>
        <translation>Повышение &amp;рейтинга водителя</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Driver Rating Coe&amp;fficients</source>
        <translation>Коэ&amp;ффициенты рейтинга водителей</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Payment &amp;Systems</source>
        <translation>Платежные &amp;системы</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Driver Report</source>
        <translation>&amp;Сводный отчет по водителям</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Driver &amp;Balance Report</source>
        <translation>Отчет по &amp;балансу водителей</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Driver &amp;Session Report</source>
        <translation>Отчет по с&amp;ессиям водителей</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>B&amp;rand Report</source>
        <translation>Отчет по брендированным &amp;машинам</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brand &amp;Payment Report</source>
        <translation>Отчет по &amp;платежам брендированных машин</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message>
        <location filename="../../app/src/controller/notification/notification.cpp" line="+24"/>
        <source>Update of driver</source>
        <translation>Изменение данных водителя</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Update of car</source>
        <translation>Изменение данных автомобиля</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unarchive driver</source>
        <translation>Восстановление водителя из архива</translation>
    </message>
</context>
<context>
    <name>NotificationType</name>
    <message>
        <location filename="../../app/src/controller/notification/notificationtype.cpp" line="+24"/>
        <source>Driver update request</source>
        <translation>Запрос на изменение данных водителя</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Car update request</source>
        <translation>Запрос на изменение данных автомобиля</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unarchive driver info</source>
        <translation>Восстановление данных водителя из архива</translation>
    </message>
</context>
<context>
    <name>QWidgetCreator</name>
    <message>
        <location filename="../../app/src/shell/qwidgetcreator.cpp" line="+25"/>
        <source>The password cannot be changed: &quot;%1&quot; is not the id of a record.</source>
        <translation>Пароль нельзя изменить: &quot;%1&quot; не является ID записи.</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <location filename="../../app/src/startup/startup.cpp" line="+62"/>
        <source>The program could not start: %1</source>
        <translation>Не удалось запустить программу: %1</translation>
    </message>
</context>
</TS>
