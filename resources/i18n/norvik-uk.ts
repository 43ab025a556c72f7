<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="en">
<context>
    <name>BrandPaymentReport</name>
    <message>
        <location filename="../../app/src/report/brandpaymentreport.cpp" line="+26"/>
        <source>Brand Payment Report</source>
        <translation>Звіт з платежів брендованих машин</translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>The server did not answer within %n second(s): no drivers were added</source>
        <translation>
            <numerusform>Сервер не відповів за %n секунду: водіїв не додано</numerusform>
            <numerusform>Сервер не відповів за %n секунди: водіїв не додано</numerusform>
            <numerusform>Сервер не відповів за %n секунд: водіїв не додано</numerusform>
        </translation>
    </message>
    <message>
        <location line="+87"/>
        <source>The server&apos;s list of drivers cannot be read: %1</source>
        <translation>Список водіїв від сервера не читається: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>not a list</source>
        <translation>не список</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The connection to the server was lost: no drivers were added</source>
        <translation>З&apos;єднання з сервером втрачено: водіїв не додано</translation>
    </message>
</context>
<context>
    <name>BrandReport</name>
    <message>
        <location filename="../../app/src/report/brandreport.cpp" line="+8"/>
        <source>Brand Report</source>
        <translation>Звіт з брендованих машин</translation>
    </message>
</context>
<context>
    <name>CompanyTable</name>
    <message>
        <location filename="../../app/src/frame/companytable.cpp" line="+19"/>
        <source>Companies</source>
        <translation>Компанії</translation>
    </message>
</context>
<context>
    <name>ControllerChangePassword</name>
    <message>
        <location filename="../../app/src/dialog/controllerchangepassword.cpp" line="+24"/>
        <source>The password cannot be changed: the record has no id.</source>
        <translation>Пароль неможливо змінити: запис не має ID.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enter the new password.</source>
        <translation>Введіть новий пароль.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The new password and its confirmation differ.</source>
        <translation>Новий пароль і підтвердження не збігаються.</translation>
    </message>
</context>
<context>
    <name>DriverBalanceReport</name>
    <message>
        <location filename="../../app/src/report/driverbalancereport.cpp" line="+11"/>
        <source>Driver Balance Report</source>
        <translation>Звіт з балансу водіїв</translation>
    </message>
</context>
<context>
    <name>DriverReport</name>
    <message>
        <location filename="../../app/src/report/driverreport.cpp" line="+6"/>
        <source>Driver Report</source>
        <translation>Зведений звіт з водіїв</translation>
    </message>
</context>
<context>
    <name>DriverSession</name>
    <message>
        <location filename="../../app/src/controller/driver/driversession.cpp" line="+23"/>
        <source>not closed</source>
        <translation>не закрито</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>client watchdog</source>
        <translation>сторожовий таймер клієнта</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>server watchdog</source>
        <translation>сторожовий таймер сервера</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>closed by the user</source>
        <translation>закрито користувачем</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>closed by other user</source>
        <translation>закрито іншим користувачем</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>close by server midnight handler</source>
        <translation>закрито сервером опівночі</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>hard closed</source>
        <translation>закрито примусово</translation>
    </message>
</context>
<context>
    <name>DriverSessionReport</name>
    <message>
        <location filename="../../app/src/report/driversessionreport.cpp" line="+6"/>
        <source>Driver Session Report</source>
        <translation>Звіт з сесій водіїв</translation>
    </message>
</context>
<context>
    <name>Global</name>
    <message>
        <location filename="../../app/src/shell/global.cpp" line="+70"/>
        <source>All groups</source>
        <translation>Усі групи</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All types</source>
        <translation>Усі типи</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>All cities</source>
        <translation>Усі міста</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <location filename="../../app/src/shell/mainmenu.cpp" line="+24"/>
        <source>&amp;Company</source>
        <translation>&amp;Компанія</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Driver</source>
        <translation>&amp;Водій</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;User</source>
        <translation>Корис&amp;тувач</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Address</source>
        <translation>&amp;Адреса</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Payment</source>
        <translation>&amp;Платежі</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Attr&amp;ibutes</source>
        <translation>Атри&amp;бути</translation>
    </message>
    <message>
        <location filename="../../app/src/shell/menucommands.cpp" line="+8"/>
        <source>&amp;Companies</source>
        <translation>&amp;Компанії</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Terminal Companies</source>
        <translation>&amp;Термінальні компанії</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Drivers</source>
        <translation>&amp;Водії</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Drivers In &amp;Archive</source>
        <translation>Водії в &amp;архіві</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Driver &amp;Groups</source>
        <translation>&amp;Групи водіїв</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>C&amp;rash Reports</source>
        <translation>Звіти про &amp;збої</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Driver &amp;Sessions</source>
        <translation>&amp;Сесії водіїв</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Cars</source>
        <translation>Авто&amp;мобілі</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Car &amp;Brands</source>
        <translation>&amp;Марки автомобілів</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Car B&amp;ody Types</source>
        <translation>&amp;Типи кузова</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Car &amp;Colors</source>
        <translation>&amp;Кольори автомобілів</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Users</source>
        <translation>&amp;Користувачі</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User &amp;Groups</source>
        <translation>&amp;Групи користувачів</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>User &amp;Sessions</source>
        <translation>&amp;Сесії користувачів</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Cities</source>
        <translation>&amp;Міста</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Payment System &amp;Logs</source>
        <translation>&amp;Журнали платіжних систем</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Versions</source>
        <translation>&amp;Версії</translation>
    </message>
    <message>
        <location line="-23"/>
        <source>Driver &amp;Balance Transfers</source>
        <translation>Пере&amp;кази балансу водіїв</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Driver &amp;Paid Service Types</source>
        <translation>Типи &amp;платних послуг водіїв</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>Driver Raise Ra&amp;ting</source>
        <translation>Підвищення &amp;рейтингу водія</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Driver Rating Coe&amp;fficients</source>
        <translation>Ко&amp;ефіцієнти рейтингу водіїв</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Payment &amp;Systems</source>
        <translation>Платіжні &amp;системи</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Driver Report</source>
        <translation>&amp;Зведений звіт з водіїв</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Driver &amp;Balance Report</source>
        <translation>Звіт з &amp;балансу водіїв</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Driver &amp;Session Report</source>
        <translation>Звіт з с&amp;есій водіїв</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>B&amp;rand Report</source>
        <translation>Звіт з брендованих &amp;машин</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brand &amp;Payment Report</source>
        <translation>Звіт з &amp;платежів брендованих машин</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message>
        <location filename="../../app/src/controller/notification/notification.cpp" line="+24"/>
        <source>Update of driver</source>
        <translation>Змінення даних водія</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Update of car</source>
        <translation>Змінення даних автомобіля</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unarchive driver</source>
        <translation>Відновлення водія з архіву</translation>
    </message>
</context>
<context>
    <name>NotificationType</name>
    <message>
        <location filename="../../app/src/controller/notification/notificationtype.cpp" line="+24"/>
        <source>Driver update request</source>
        <translation>Запит на змінення даних водія</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Car update request</source>
        <translation>Запит на змінення даних автомобіля</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unarchive driver info</source>
        <translation>Відновлення даних водія з архіву</translation>
    </message>
</context>
<context>
    <name>QWidgetCreator</name>
    <message>
        <location filename="../../app/src/shell/qwidgetcreator.cpp" line="+25"/>
        <source>The password cannot be changed: &quot;%1&quot; is not the id of a record.</source>
        <translation>Пароль неможливо змінити: &quot;%1&quot; не є ID запису.</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <location filename="../../app/src/startup/startup.cpp" line="+62"/>
        <source>The program could not start: %1</source>
        <translation>Не вдалося запустити програму: %1</translation>
    </message>
</context>
</TS>
