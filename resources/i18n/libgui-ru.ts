<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>Gui::DataLoading</name>
    <message>
        <location filename="../../libgui/src/gui/widget/dataloading.cpp" line="+10"/>
        <source>Waiting data from server...</source>
        <translation>Ожидание данных с сервера...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Data loading</source>
        <translation>Загрузка данных</translation>
    </message>
</context>
<context>
    <name>Gui::DateTruncateComboBox</name>
    <message>
        <location filename="../../libgui/src/gui/report/datetruncatecombobox.cpp" line="+8"/>
        <source>Hour</source>
        <translation>Час</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Day</source>
        <translation>День</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Week</source>
        <translation>Неделя</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Month</source>
        <translation>Месяц</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quarter</source>
        <translation>Квартал</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Year</source>
        <translation>Год</translation>
    </message>
</context>
<context>
    <name>Gui::Dialog::BalanceLog</name>
    <message>
        <location filename="../../libgui/src/gui/dialog/balancelog.cpp" line="+50"/>
        <source>New Balance Log</source>
        <translation>Новая запись журнала баланса</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+55"/>
        <source>Type:</source>
        <translation>Тип:</translation>
    </message>
    <message>
        <location line="-37"/>
        <source>View Balance Log</source>
        <translation>Просмотр записи журнала баланса</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Value:</source>
        <translation>Сумма:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Note:</source>
        <translation>Примечание:</translation>
    </message>
    <message>
        <location line="+97"/>
        <source>The connection to the server was lost before the answer came: whether the entry was booked is not known. Once the program is connected again, it looks for the entry and tells you.</source>
        <translation>Соединение с сервером потеряно до получения ответа: неизвестно, проведена ли запись. Когда программа снова подключится, она найдёт запись и сообщит.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Whether the entry was booked cannot be found out: the server refused to show the balance log. Check it before booking the entry again.</source>
        <translation>Не удалось выяснить, проведена ли запись: сервер отказал в показе журнала баланса. Проверьте его, прежде чем проводить запись снова.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Whether the entry was booked cannot be found out: an entry like it was booked about when it was sent. Check the balance log before booking it again.</source>
        <translation>Не удалось выяснить, проведена ли запись: такая же запись была проведена примерно тогда, когда она была отправлена. Проверьте журнал баланса, прежде чем проводить её снова.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The entry was booked before the connection was lost.</source>
        <translation>Запись была проведена до потери соединения.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The entry was not booked: the balance log holds no entry of this send. Press OK to book it.</source>
        <translation>Запись не проведена: в журнале баланса нет записи этой отправки. Нажмите OK, чтобы провести её.</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Whether the entry was booked cannot be found out: %n entries like it were booked meanwhile. Check the balance log before booking it again.</source>
        <translation>
            <numerusform>Не удалось выяснить, проведена ли запись: за это время проведена %n похожая запись. Проверьте журнал баланса, прежде чем проводить запись снова.</numerusform>
            <numerusform>Не удалось выяснить, проведена ли запись: за это время проведены %n похожие записи. Проверьте журнал баланса, прежде чем проводить запись снова.</numerusform>
            <numerusform>Не удалось выяснить, проведена ли запись: за это время проведено %n похожих записей. Проверьте журнал баланса, прежде чем проводить запись снова.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Gui::Dialog::ChangePassword</name>
    <message>
        <location filename="../../libgui/src/gui/dialog/changepassword.cpp" line="+36"/>
        <source>Change Password</source>
        <translation>Смена пароля</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Old password:</source>
        <translation>Старый пароль:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New password:</source>
        <translation>Новый пароль:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Confirm password:</source>
        <translation>Подтверждение пароля:</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Failed to define entry by id</source>
        <translation>Не удалось найти запись по ID</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Password and confirm password is different</source>
        <translation>Пароль и подтверждение не совпадают</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Old password is bad</source>
        <translation>Старый пароль неверен</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error occurred on updating new password</source>
        <translation>Ошибка при сохранении нового пароля</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undefined error occurred</source>
        <translation>Произошла неизвестная ошибка</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The password was not changed (error code %1)</source>
        <translation>Пароль не изменен (код ошибки %1)</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Password successfully changed</source>
        <translation>Пароль успешно изменен</translation>
    </message>
</context>
<context>
    <name>Gui::Dialog::CommonOptionsPage</name>
    <message>
        <location filename="../../libgui/src/gui/dialog/commonoptionspage.cpp" line="+62"/>
        <source>English</source>
        <translation>Английский</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Russian</source>
        <translation>Русский</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Group windows in taskbar</source>
        <translation>&amp;Группировать окна на панели задач</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>User Interface</source>
        <translation>Интерфейс пользователя</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Language:</source>
        <translation>&amp;Язык:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>S&amp;cale factor:</source>
        <translation>&amp;Масштаб:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Font size:</source>
        <translation>Размер &amp;шрифта:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Enabled</source>
        <translation>&amp;Включено</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clea&amp;r logs</source>
        <translation>&amp;Очистить журналы</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Logging</source>
        <translation>Журналирование</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Release</source>
        <translation>Релиз</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Beta</source>
        <translation>Бета</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Check &amp;updates on startup</source>
        <translation>Проверять о&amp;бновления при запуске</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Updating</source>
        <translation>Обновление</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>C&amp;hannel:</source>
        <translation>&amp;Канал:</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Need restart application for applying options</source>
        <translation>Для применения параметров необходимо перезапустить программу</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Size: %1 MB</source>
        <translation>Размер: %1 МБ</translation>
    </message>
</context>
<context>
    <name>Gui::Dialog::Customize</name>
    <message>
        <location filename="../../libgui/src/gui/mainwindow/customize.cpp" line="+45"/>
        <source>Customize</source>
        <translation>Настройка</translation>
    </message>
    <message>
        <location line="+84"/>
        <source>Filter</source>
        <translation>Фильтр</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move up</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reset</source>
        <translation>Сбросить</translation>
    </message>
</context>
<context>
    <name>Gui::Dialog::IntervalEditor</name>
    <message>
        <location filename="../../libgui/src/gui/dialog/intervaleditor.cpp" line="+37"/>
        <source>Interval Editor</source>
        <translation>Редактор интервалов</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Empty value error</source>
        <translation>Ошибка: пустое значение</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&quot;%1&quot; is not a number</source>
        <translation>«%1» не является числом</translation>
    </message>
</context>
<context>
    <name>Gui::Dialog::IntervalWidget</name>
    <message>
        <location filename="../../libgui/src/gui/dialog/intervalwidget.cpp" line="+25"/>
        <location line="+68"/>
        <location line="+19"/>
        <source>hrn</source>
        <translation>грн</translation>
    </message>
    <message>
        <location line="-68"/>
        <source>Before</source>
        <translation>До</translation>
    </message>
    <message>
        <location line="+41"/>
        <location line="+18"/>
        <source>km</source>
        <translation>км</translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+18"/>
        <source>min</source>
        <translation>мин</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>orders</source>
        <translation>заказов</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+2"/>
        <source>order</source>
        <translation>заказ</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>hour</source>
        <translation>час</translation>
    </message>
</context>
<context>
    <name>Gui::Dialog::Login</name>
    <message>
        <location filename="../../libgui/src/gui/dialog/login.cpp" line="+46"/>
        <source>Log In</source>
        <translation>Вход</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Save password</source>
        <translation>Сохранить пароль</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reset Password...</source>
        <translation>Сбросить пароль...</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>User:</source>
        <translation>Пользователь:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Password:</source>
        <translation>Пароль:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Server:</source>
        <translation>Сервер:</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Servers</source>
        <translation>Серверы</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Production</source>
        <translation>Рабочий</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Development</source>
        <translation>Для разработки</translation>
    </message>
    <message>
        <location line="+76"/>
        <source>Saved password</source>
        <translation>Сохраненный пароль</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>Sign or password is incorrect</source>
        <translation>Неверный логин или пароль</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The server refused the sign-in (code: %1)</source>
        <translation>Сервер отклонил вход (код: %1)</translation>
    </message>
</context>
<context>
    <name>Gui::Dialog::Options</name>
    <message>
        <location filename="../../libgui/src/gui/dialog/options.cpp" line="+12"/>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Common</source>
        <translation>Общие</translation>
    </message>
</context>
<context>
    <name>Gui::Dialog::Roles</name>
    <message>
        <location filename="../../libgui/src/gui/dialog/roles.cpp" line="+13"/>
        <source>Roles</source>
        <translation>Роли</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Title</source>
        <translation>Название</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Role</source>
        <translation>Роль</translation>
    </message>
</context>
<context>
    <name>Gui::Dialog::RowLimit</name>
    <message>
        <location filename="../../libgui/src/gui/dialog/rowlimit.cpp" line="+12"/>
        <source>Row Limit</source>
        <translation>Ограничение строк</translation>
    </message>
</context>
<context>
    <name>Gui::Dialog::Server</name>
    <message>
        <location filename="../../libgui/src/gui/dialog/server.cpp" line="+22"/>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Up</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Servers</source>
        <translation>Серверы</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+41"/>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <location line="-41"/>
        <source>IP address</source>
        <translation>IP-адрес</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <location line="+108"/>
        <source>Row %1: the name is empty.</source>
        <translation>Строка %1: не указано название.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Row %1: &quot;%2&quot; is not an IP address.</source>
        <translation>Строка %1: «%2» не является IP-адресом.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Row %1: the port must be a number from 1 to 65535.</source>
        <translation>Строка %1: порт должен быть числом от 1 до 65535.</translation>
    </message>
</context>
<context>
    <name>Gui::Frame</name>
    <message>
        <location filename="../../libgui/src/gui/frame/frame.cpp" line="+26"/>
        <source>Untitled</source>
        <translation>Без названия</translation>
    </message>
</context>
<context>
    <name>Gui::Frames</name>
    <message>
        <location filename="../../libgui/src/gui/frame/frames.cpp" line="+76"/>
        <source>You need to save all data, before quit program!</source>
        <translation>Перед выходом из программы сохраните все данные!</translation>
    </message>
</context>
<context>
    <name>Gui::Global</name>
    <message>
        <location filename="../../libgui/src/gui/shell/global.cpp" line="+116"/>
        <source>All groups</source>
        <translation>Все группы</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>You have old version! Please update your application</source>
        <translation>У вас устаревшая версия! Обновите программу</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>New version is available! Please update your application in the near future</source>
        <translation>Доступна новая версия! Обновите программу в ближайшее время</translation>
    </message>
    <message>
        <location line="+120"/>
        <source>This account made other connection to the server</source>
        <translation>С этой учетной записью выполнено другое подключение к серверу</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Your session closed on server side</source>
        <translation>Ваш сеанс закрыт на стороне сервера</translation>
    </message>
</context>
<context>
    <name>Gui::Helper::Busy</name>
    <message>
        <location filename="../../libgui/src/gui/helper/busy.cpp" line="+62"/>
        <source>Server unavailable</source>
        <translation>Сервер недоступен</translation>
    </message>
</context>
<context>
    <name>Gui::HostLabel</name>
    <message>
        <location filename="../../libgui/src/gui/widget/hostlabel.cpp" line="+8"/>
        <source>%1:%2</source>
        <translation>%1:%2</translation>
    </message>
</context>
<context>
    <name>Gui::InteractiveOwnerKeeperTable</name>
    <message>
        <location filename="../../libgui/src/gui/report/interactiveownerkeepertable.cpp" line="+30"/>
        <source>Remove All</source>
        <translation>Удалить все</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Absent owners for creating report</source>
        <translation>Не выбраны владельцы для создания отчёта</translation>
    </message>
</context>
<context>
    <name>Gui::Launcher</name>
    <message>
        <location filename="../../libgui/src/gui/mainwindow/launcher.cpp" line="+31"/>
        <source>Launcher</source>
        <translation>Запуск команд</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Type a part of a command&apos;s name</source>
        <translation>Введите часть названия команды</translation>
    </message>
</context>
<context>
    <name>Gui::MainMenu</name>
    <message>
        <location filename="../../libgui/src/gui/mainwindow/mainmenu.cpp" line="+72"/>
        <source>&amp;Report</source>
        <translation>&amp;Отчет</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Change Password...</source>
        <translation>&amp;Сменить пароль...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Tools</source>
        <translation>С&amp;ервис</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Launcher</source>
        <translation>&amp;Запуск команд</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+Shift+L</source>
        <translation>Ctrl+Shift+L</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;SMS Control</source>
        <translation>&amp;Управление SMS</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Notification Types</source>
        <translation>&amp;Типы уведомлений</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>C&amp;ustomize...</source>
        <translation>&amp;Настройка...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Options...</source>
        <translation>&amp;Параметры...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Check &amp;latest version...</source>
        <translation>Проверить &amp;последнюю версию...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Back to previous version...</source>
        <translation>&amp;Вернуться к предыдущей версии...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open &amp;Download Page</source>
        <translation>Открыть страницу &amp;загрузки</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;About %1...</source>
        <translation>&amp;О программе %1...</translation>
    </message>
</context>
<context>
    <name>Gui::MainStatusBar</name>
    <message>
        <location filename="../../libgui/src/gui/widget/mainstatusbar.cpp" line="+24"/>
        <source>User server:</source>
        <translation>Сервер пользователя:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>user: %1</source>
        <translation>пользователь: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Row count:</source>
        <translation>Строк:</translation>
    </message>
</context>
<context>
    <name>Gui::MainToolBar</name>
    <message>
        <location filename="../../libgui/src/gui/mainwindow/maintoolbar.cpp" line="+97"/>
        <source>Notifications</source>
        <translation>Уведомления</translation>
    </message>
</context>
<context>
    <name>Gui::MainWindow</name>
    <message>
        <location filename="../../libgui/src/gui/mainwindow/mainwindow.cpp" line="+214"/>
        <source>Are you sure want to quit?</source>
        <translation>Вы действительно хотите выйти?</translation>
    </message>
    <message>
        <location filename="../../libgui/src/gui/mainwindow/about.cpp" line="+22"/>
        <source>&lt;h3&gt;%1 %2&lt;/h3&gt;Based on Qt %3&lt;br&gt;Build on %4&lt;br&gt;&lt;br&gt;Copyright %5 %6. All rights reserved.</source>
        <translation>&lt;h3&gt;%1 %2&lt;/h3&gt;На основе Qt %3&lt;br&gt;Сборка от %4&lt;br&gt;&lt;br&gt;© %5 %6. Все права защищены.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>About %1</source>
        <translation>О программе %1</translation>
    </message>
</context>
<context>
    <name>Gui::OwnerKeeperTable</name>
    <message>
        <location filename="../../libgui/src/gui/report/ownerkeepertable.cpp" line="+15"/>
        <source>Id</source>
        <translation>Id</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
</context>
<context>
    <name>Gui::Private::GuiSessionMenu</name>
    <message>
        <location filename="../../libgui/src/gui/mainwindow/guisessionmenu.cpp" line="+43"/>
        <source>&amp;Gui Sessions</source>
        <translation>Сеансы &amp;интерфейса</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>&amp;New</source>
        <translation>&amp;Создать</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Save</source>
        <translation>Со&amp;хранить</translation>
    </message>
</context>
<context>
    <name>Gui::Report::AbstractReport</name>
    <message>
        <location filename="../../libgui/src/gui/report/abstractreport.cpp" line="+44"/>
        <source>REPORT: </source>
        <translation>ОТЧЁТ: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The server could not make the report</source>
        <translation>Сервер не смог создать отчёт</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Create</source>
        <translation>Создать</translation>
    </message>
    <message>
        <location line="+110"/>
        <source>You don&apos;t have access for this report</source>
        <translation>У вас нет доступа к этому отчёту</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Report successfully created</source>
        <translation>Отчёт успешно создан</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>There is no connection to the server: the report was not created</source>
        <translation>Нет соединения с сервером: отчет не создан</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>The report cannot be written: %1</source>
        <translation>Отчёт не может быть записан: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>unknown report type %1</source>
        <translation>неизвестный тип отчёта %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no reports folder</source>
        <translation>нет папки отчётов</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The report was not written completely:
%1</source>
        <translation>Отчёт записан не полностью:
%1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The report holds no data for the chosen period and owners: no workbook was written</source>
        <translation>В отчёте нет данных за выбранный период и владельцев: книга не записана</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Saved as:
%1</source>
        <translation>Сохранено как:
%1</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n workbook(s) saved in:
%1</source>
        <translation>
            <numerusform>%n книга сохранена в:
%1</numerusform>
            <numerusform>%n книги сохранены в:
%1</numerusform>
            <numerusform>%n книг сохранено в:
%1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The connection to the server was lost: the report was not created</source>
        <translation>Соединение с сервером потеряно: отчёт не создан</translation>
    </message>
    <message numerus="yes">
        <location line="+8"/>
        <source>The server did not answer within %n second(s): the report was not created</source>
        <translation>
            <numerusform>Сервер не ответил за %n секунду: отчёт не создан</numerusform>
            <numerusform>Сервер не ответил за %n секунды: отчёт не создан</numerusform>
            <numerusform>Сервер не ответил за %n секунд: отчёт не создан</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Gui::Report::Balance</name>
    <message>
        <location filename="../../libgui/src/gui/report/balance.cpp" line="+61"/>
        <source>Group</source>
        <translation>Группа</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group by price</source>
        <translation>Группировать по цене</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Balance types is not selected</source>
        <translation>Не выбраны типы баланса</translation>
    </message>
</context>
<context>
    <name>Gui::Report::Session</name>
    <message>
        <location filename="../../libgui/src/gui/report/session.cpp" line="+17"/>
        <source>Date truncate:</source>
        <translation>Усечение даты:</translation>
    </message>
</context>
<context>
    <name>Gui::Search</name>
    <message>
        <location filename="../../libgui/src/gui/search/search.cpp" line="+57"/>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
</context>
<context>
    <name>Gui::SearchRule</name>
    <message>
        <location filename="../../libgui/src/gui/search/searchrule.cpp" line="+74"/>
        <source>Contains</source>
        <translation>Содержит</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not contains</source>
        <translation>Не содержит</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>And</source>
        <translation>И</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Or</source>
        <translation>Или</translation>
    </message>
</context>
<context>
    <name>Gui::StartEndDateTimeEdit</name>
    <message>
        <location filename="../../libgui/src/gui/report/startenddatetimeedit.cpp" line="+32"/>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Start date:</source>
        <translation>Дата начала:</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>The start of the period is later than its end</source>
        <translation>Начало периода позже его окончания</translation>
    </message>
    <message>
        <location line="-46"/>
        <source>End date:</source>
        <translation>Дата окончания:</translation>
    </message>
</context>
<context>
    <name>Gui::TodayCalendar</name>
    <message>
        <location filename="../../libgui/src/gui/widget/todaycalendar.cpp" line="+10"/>
        <source>Today</source>
        <translation>Сегодня</translation>
    </message>
</context>
<context>
    <name>Gui::Updater</name>
    <message>
        <location filename="../../libgui/src/gui/update/updater.cpp" line="+146"/>
        <source>The download page could not be opened. Open this address in a browser:
%1</source>
        <translation>Не удалось открыть страницу загрузки. Откройте этот адрес в браузере:
%1</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>The update has no valid version</source>
        <translation>Обновление не содержит допустимой версии</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Error parse document: </source>
        <translation>Ошибка разбора документа: </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Updates for your company is not available</source>
        <translation>Обновления для вашей компании недоступны</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Latest version is installed</source>
        <translation>Установлена последняя версия</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Previous version is absent</source>
        <translation>Предыдущая версия отсутствует</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The update download is incomplete: %1 of %2 bytes</source>
        <translation>Обновление загружено не полностью: %1 из %2 байт</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The update archive does not match its SHA-256 digest</source>
        <translation>Архив обновления не соответствует своей контрольной сумме SHA-256</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Error opening temporary file: </source>
        <translation>Ошибка открытия временного файла: </translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The update archive could not be unpacked</source>
        <translation>Не удалось распаковать архив обновления</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Loader not found</source>
        <translation>Загрузчик не найден</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The loader could not be put in place: </source>
        <translation>Не удалось установить загрузчик: </translation>
    </message>
</context>
<context>
    <name>Gui::Updates</name>
    <message>
        <location filename="../../libgui/src/gui/update/updates.cpp" line="+46"/>
        <source>Updating to this version is impossible!
Download installation of application by link below, reinstall it and try update again.</source>
        <translation>Обновление до этой версии невозможно!
Загрузите установщик программы по ссылке ниже, переустановите программу и повторите обновление.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Update</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Updates</source>
        <translation>Обновления</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Channel:</source>
        <translation>Канал:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Size:</source>
        <translation>Размер:</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Version: %1 (%2) - Date: %3</source>
        <translation>Версия: %1 (%2) - Дата: %3</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>MB</source>
        <translation>МБ</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Working directory is protected for writting</source>
        <translation>Рабочий каталог защищен от записи</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../../libgui/src/gui/error/errorcatalogue.cpp" line="+31"/>
        <source>Failed to start transaction</source>
        <translation>Не удалось начать транзакцию</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Transaction commit error</source>
        <translation>Ошибка фиксации транзакции</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DB lost connection</source>
        <translation>Потеряно соединение с БД</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undefined error on lock record</source>
        <translation>Неизвестная ошибка при блокировке записи</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exception occurred</source>
        <translation>Возникло исключение</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>GET LIST: </source>
        <translation>ПОЛУЧЕНИЕ СПИСКА: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>INFO: </source>
        <translation>СВЕДЕНИЯ: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ADD: </source>
        <translation>ДОБАВЛЕНИЕ: </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>UPDATE: </source>
        <translation>ИЗМЕНЕНИЕ: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Record locked by other user</source>
        <translation>Запись заблокирована другим пользователем</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error check user locked: controller object not created</source>
        <translation>Ошибка проверки блокировки: объект контроллера не создан</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Record not locked for update</source>
        <translation>Запись не заблокирована для изменения</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+5"/>
        <source>Record doesn&apos;t exist in db</source>
        <translation>Запись отсутствует в БД</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>REMOVE: </source>
        <translation>УДАЛЕНИЕ: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to delete system record</source>
        <translation>Не удалось удалить системную запись</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Record can&apos;t be deleted because it locked by other user</source>
        <translation>Невозможно удалить запись: она заблокирована другим пользователем</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>DUPLICATE: </source>
        <translation>ДУБЛИРОВАНИЕ: </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Transaction commit error (for multiple duplicate)</source>
        <translation>Ошибка фиксации транзакции (при множественном дублировании)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Source record doesn&apos;t exist in db</source>
        <translation>Исходная запись отсутствует в БД</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error insert duplicated record</source>
        <translation>Ошибка добавления дубликата записи</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undefined amount of copies</source>
        <translation>Не задано количество копий</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Amount must be less or equal 100</source>
        <translation>Количество должно быть не больше 100</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Can&apos;t remove source record</source>
        <translation>Невозможно удалить исходную запись</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Can&apos;t get info about source record for delete it</source>
        <translation>Невозможно получить сведения об исходной записи для ее удаления</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>LOCK: </source>
        <translation>БЛОКИРОВКА: </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>UNLOCK: </source>
        <translation>РАЗБЛОКИРОВКА: </translation>
    </message>
    <message>
        <location line="+22"/>
        <source>You don&apos;t have enough access privileges for this operation</source>
        <translation>У вас недостаточно прав для этой операции</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Operation not allowed</source>
        <translation>Операция не разрешена</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undefined error</source>
        <translation>Неизвестная ошибка</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>First name is empty</source>
        <translation>Не указано имя</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Second name is empty</source>
        <translation>Не указана фамилия</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Salary tariff doesn&apos;t exist in db</source>
        <translation>Тариф зарплаты отсутствует в БД</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Offset to UTC less that -14 hours (-840 minutes)</source>
        <translation>Смещение от UTC меньше -14 часов (-840 минут)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Offset to UTC greater that +14 hours (+840 minutes)</source>
        <translation>Смещение от UTC больше +14 часов (+840 минут)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Max. simultaneously calls is not a number</source>
        <translation>Макс. число одновременных звонков не является числом</translation>
    </message>
</context>
<context>
    <name>SmsVariables</name>
    <message>
        <location filename="../../libgui/src/gui/dialog/smsvariables.cpp" line="+10"/>
        <source>Variables</source>
        <translation>Переменные</translation>
    </message>
</context>
</TS>
