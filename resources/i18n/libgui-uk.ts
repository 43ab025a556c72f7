<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="en">
<context>
    <name>Gui::DataLoading</name>
    <message>
        <location filename="../../libgui/src/gui/widget/dataloading.cpp" line="+10"/>
        <source>Waiting data from server...</source>
        <translation>Очікування даних із сервера...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Data loading</source>
        <translation>Завантаження даних</translation>
    </message>
</context>
<context>
    <name>Gui::DateTruncateComboBox</name>
    <message>
        <location filename="../../libgui/src/gui/report/datetruncatecombobox.cpp" line="+8"/>
        <source>Hour</source>
        <translation>Година</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Day</source>
        <translation>День</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Week</source>
        <translation>Тиждень</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Month</source>
        <translation>Місяць</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quarter</source>
        <translation>Квартал</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Year</source>
        <translation>Рік</translation>
    </message>
</context>
<context>
    <name>Gui::Dialog::BalanceLog</name>
    <message>
        <location filename="../../libgui/src/gui/dialog/balancelog.cpp" line="+50"/>
        <source>New Balance Log</source>
        <translation>Новий запис журналу балансу</translation>
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
        <translation>Перегляд запису журналу балансу</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Value:</source>
        <translation>Сума:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Note:</source>
        <translation>Примітка:</translation>
    </message>
    <message>
        <location line="+97"/>
        <source>The connection to the server was lost before the answer came: whether the entry was booked is not known. Once the program is connected again, it looks for the entry and tells you.</source>
        <translation>З&apos;єднання з сервером втрачено до отримання відповіді: невідомо, чи проведено запис. Коли програма знову під&apos;єднається, вона знайде запис і повідомить.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Whether the entry was booked cannot be found out: the server refused to show the balance log. Check it before booking the entry again.</source>
        <translation>Не вдалося з&apos;ясувати, чи проведено запис: сервер відмовив у показі журналу балансу. Перевірте його, перш ніж проводити запис знову.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Whether the entry was booked cannot be found out: an entry like it was booked about when it was sent. Check the balance log before booking it again.</source>
        <translation>Не вдалося з&apos;ясувати, чи проведено запис: такий самий запис було проведено приблизно тоді, коли його надіслали. Перевірте журнал балансу, перш ніж проводити його знову.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The entry was booked before the connection was lost.</source>
        <translation>Запис було проведено до втрати з&apos;єднання.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The entry was not booked: the balance log holds no entry of this send. Press OK to book it.</source>
        <translation>Запис не проведено: у журналі балансу немає запису цього надсилання. Натисніть OK, щоб провести його.</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Whether the entry was booked cannot be found out: %n entries like it were booked meanwhile. Check the balance log before booking it again.</source>
        <translation>
            <numerusform>Не вдалося з&apos;ясувати, чи проведено запис: за цей час проведено %n схожий запис. Перевірте журнал балансу, перш ніж проводити запис знову.</numerusform>
            <numerusform>Не вдалося з&apos;ясувати, чи проведено запис: за цей час проведено %n схожі записи. Перевірте журнал балансу, перш ніж проводити запис знову.</numerusform>
            <numerusform>Не вдалося з&apos;ясувати, чи проведено запис: за цей час проведено %n схожих записів. Перевірте журнал балансу, перш ніж проводити запис знову.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Gui::Dialog::ChangePassword</name>
    <message>
        <location filename="../../libgui/src/gui/dialog/changepassword.cpp" line="+36"/>
        <source>Change Password</source>
        <translation>Зміна пароля</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Old password:</source>
        <translation>Старий пароль:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New password:</source>
        <translation>Новий пароль:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Confirm password:</source>
        <translation>Підтвердження пароля:</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Failed to define entry by id</source>
        <translation>Не вдалося знайти запис за ID</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Password and confirm password is different</source>
        <translation>Пароль і підтвердження не збігаються</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Old password is bad</source>
        <translation>Старий пароль неправильний</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error occurred on updating new password</source>
        <translation>Помилка під час збереження нового пароля</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undefined error occurred</source>
        <translation>Сталася невідома помилка</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The password was not changed (error code %1)</source>
        <translation>Пароль не змінено (код помилки %1)</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Password successfully changed</source>
        <translation>Пароль успішно змінено</translation>
    </message>
</context>
<context>
    <name>Gui::Dialog::CommonOptionsPage</name>
    <message>
        <location filename="../../libgui/src/gui/dialog/commonoptionspage.cpp" line="+62"/>
        <source>English</source>
        <translation>Англійська</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Russian</source>
        <translation>Російська</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Group windows in taskbar</source>
        <translation>&amp;Групувати вікна на панелі завдань</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>User Interface</source>
        <translation>Інтерфейс користувача</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Language:</source>
        <translation>&amp;Мова:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>S&amp;cale factor:</source>
        <translation>Ма&amp;сштаб:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Font size:</source>
        <translation>Розмір &amp;шрифту:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Enabled</source>
        <translation>&amp;Увімкнено</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clea&amp;r logs</source>
        <translation>&amp;Очистити журнали</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Logging</source>
        <translation>Журналювання</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Release</source>
        <translation>Реліз</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Beta</source>
        <translation>Бета</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Check &amp;updates on startup</source>
        <translation>&amp;Перевіряти оновлення під час запуску</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Updating</source>
        <translation>Оновлення</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>C&amp;hannel:</source>
        <translation>&amp;Канал:</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Need restart application for applying options</source>
        <translation>Щоб застосувати параметри, потрібно перезапустити програму</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Size: %1 MB</source>
        <translation>Розмір: %1 МБ</translation>
    </message>
</context>
<context>
    <name>Gui::Dialog::Customize</name>
    <message>
        <location filename="../../libgui/src/gui/mainwindow/customize.cpp" line="+45"/>
        <source>Customize</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <location line="+84"/>
        <source>Filter</source>
        <translation>Фільтр</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Add</source>
        <translation>Додати</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move up</source>
        <translation>Вгору</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reset</source>
        <translation>Скинути</translation>
    </message>
</context>
<context>
    <name>Gui::Dialog::IntervalEditor</name>
    <message>
        <location filename="../../libgui/src/gui/dialog/intervaleditor.cpp" line="+37"/>
        <source>Interval Editor</source>
        <translation>Редактор інтервалів</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Empty value error</source>
        <translation>Помилка: порожнє значення</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&quot;%1&quot; is not a number</source>
        <translation>«%1» не є числом</translation>
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
        <translation>хв</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>orders</source>
        <translation>замовлень</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+2"/>
        <source>order</source>
        <translation>замовлення</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>hour</source>
        <translation>год</translation>
    </message>
</context>
<context>
    <name>Gui::Dialog::Login</name>
    <message>
        <location filename="../../libgui/src/gui/dialog/login.cpp" line="+46"/>
        <source>Log In</source>
        <translation>Вхід</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Save password</source>
        <translation>Зберегти пароль</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reset Password...</source>
        <translation>Скинути пароль...</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>User:</source>
        <translation>Користувач:</translation>
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
        <translation>Сервери</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Production</source>
        <translation>Робочий</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Development</source>
        <translation>Для розробки</translation>
    </message>
    <message>
        <location line="+76"/>
        <source>Saved password</source>
        <translation>Збережений пароль</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>Sign or password is incorrect</source>
        <translation>Неправильний логін або пароль</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The server refused the sign-in (code: %1)</source>
        <translation>Сервер відхилив вхід (код: %1)</translation>
    </message>
</context>
<context>
    <name>Gui::Dialog::Options</name>
    <message>
        <location filename="../../libgui/src/gui/dialog/options.cpp" line="+12"/>
        <source>Options</source>
        <translation>Параметри</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Common</source>
        <translation>Загальні</translation>
    </message>
</context>
<context>
    <name>Gui::Dialog::Roles</name>
    <message>
        <location filename="../../libgui/src/gui/dialog/roles.cpp" line="+13"/>
        <source>Roles</source>
        <translation>Ролі</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Title</source>
        <translation>Назва</translation>
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
        <translation>Обмеження рядків</translation>
    </message>
</context>
<context>
    <name>Gui::Dialog::Server</name>
    <message>
        <location filename="../../libgui/src/gui/dialog/server.cpp" line="+22"/>
        <source>Add</source>
        <translation>Додати</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Up</source>
        <translation>Вгору</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Servers</source>
        <translation>Сервери</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+41"/>
        <source>Name</source>
        <translation>Назва</translation>
    </message>
    <message>
        <location line="-41"/>
        <source>IP address</source>
        <translation>IP-адреса</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <location line="+108"/>
        <source>Row %1: the name is empty.</source>
        <translation>Рядок %1: не вказано назву.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Row %1: &quot;%2&quot; is not an IP address.</source>
        <translation>Рядок %1: «%2» не є IP-адресою.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Row %1: the port must be a number from 1 to 65535.</source>
        <translation>Рядок %1: порт має бути числом від 1 до 65535.</translation>
    </message>
</context>
<context>
    <name>Gui::Frame</name>
    <message>
        <location filename="../../libgui/src/gui/frame/frame.cpp" line="+26"/>
        <source>Untitled</source>
        <translation>Без назви</translation>
    </message>
</context>
<context>
    <name>Gui::Frames</name>
    <message>
        <location filename="../../libgui/src/gui/frame/frames.cpp" line="+76"/>
        <source>You need to save all data, before quit program!</source>
        <translation>Перед виходом із програми збережіть усі дані!</translation>
    </message>
</context>
<context>
    <name>Gui::Global</name>
    <message>
        <location filename="../../libgui/src/gui/shell/global.cpp" line="+116"/>
        <source>All groups</source>
        <translation>Усі групи</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>You have old version! Please update your application</source>
        <translation>У вас застаріла версія! Оновіть програму</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>New version is available! Please update your application in the near future</source>
        <translation>Доступна нова версія! Оновіть програму найближчим часом</translation>
    </message>
    <message>
        <location line="+120"/>
        <source>This account made other connection to the server</source>
        <translation>З цим обліковим записом виконано інше підключення до сервера</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Your session closed on server side</source>
        <translation>Ваш сеанс закрито на боці сервера</translation>
    </message>
</context>
<context>
    <name>Gui::Helper::Busy</name>
    <message>
        <location filename="../../libgui/src/gui/helper/busy.cpp" line="+62"/>
        <source>Server unavailable</source>
        <translation>Сервер недоступний</translation>
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
        <translation>Видалити всі</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Absent owners for creating report</source>
        <translation>Не вибрано власників для створення звіту</translation>
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
        <translation>Введіть частину назви команди</translation>
    </message>
</context>
<context>
    <name>Gui::MainMenu</name>
    <message>
        <location filename="../../libgui/src/gui/mainwindow/mainmenu.cpp" line="+72"/>
        <source>&amp;Report</source>
        <translation>&amp;Звіт</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Change Password...</source>
        <translation>&amp;Змінити пароль...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>E&amp;xit</source>
        <translation>&amp;Вихід</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Tools</source>
        <translation>&amp;Сервіс</translation>
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
        <translation>&amp;Керування SMS</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Notification Types</source>
        <translation>&amp;Типи сповіщень</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>C&amp;ustomize...</source>
        <translation>&amp;Налаштування...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Options...</source>
        <translation>&amp;Параметри...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Help</source>
        <translation>&amp;Довідка</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Check &amp;latest version...</source>
        <translation>Перевірити &amp;останню версію...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Back to previous version...</source>
        <translation>По&amp;вернутися до попередньої версії...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open &amp;Download Page</source>
        <translation>Відкрити сторінку &amp;завантаження</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;About %1...</source>
        <translation>&amp;Про програму %1...</translation>
    </message>
</context>
<context>
    <name>Gui::MainStatusBar</name>
    <message>
        <location filename="../../libgui/src/gui/widget/mainstatusbar.cpp" line="+24"/>
        <source>User server:</source>
        <translation>Сервер користувача:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>user: %1</source>
        <translation>користувач: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Row count:</source>
        <translation>Рядків:</translation>
    </message>
</context>
<context>
    <name>Gui::MainToolBar</name>
    <message>
        <location filename="../../libgui/src/gui/mainwindow/maintoolbar.cpp" line="+97"/>
        <source>Notifications</source>
        <translation>Сповіщення</translation>
    </message>
</context>
<context>
    <name>Gui::MainWindow</name>
    <message>
        <location filename="../../libgui/src/gui/mainwindow/mainwindow.cpp" line="+214"/>
        <source>Are you sure want to quit?</source>
        <translation>Ви дійсно бажаєте вийти?</translation>
    </message>
    <message>
        <location filename="../../libgui/src/gui/mainwindow/about.cpp" line="+22"/>
        <source>&lt;h3&gt;%1 %2&lt;/h3&gt;Based on Qt %3&lt;br&gt;Build on %4&lt;br&gt;&lt;br&gt;Copyright %5 %6. All rights reserved.</source>
        <translation>&lt;h3&gt;%1 %2&lt;/h3&gt;На основі Qt %3&lt;br&gt;Збірка від %4&lt;br&gt;&lt;br&gt;© %5 %6. Усі права захищено.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>About %1</source>
        <translation>Про програму %1</translation>
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
        <translation>Ім&apos;я</translation>
    </message>
</context>
<context>
    <name>Gui::Private::GuiSessionMenu</name>
    <message>
        <location filename="../../libgui/src/gui/mainwindow/guisessionmenu.cpp" line="+43"/>
        <source>&amp;Gui Sessions</source>
        <translation>Сеанси &amp;інтерфейсу</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>&amp;New</source>
        <translation>&amp;Створити</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Save</source>
        <translation>&amp;Зберегти</translation>
    </message>
</context>
<context>
    <name>Gui::Report::AbstractReport</name>
    <message>
        <location filename="../../libgui/src/gui/report/abstractreport.cpp" line="+44"/>
        <source>REPORT: </source>
        <translation>ЗВІТ: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The server could not make the report</source>
        <translation>Сервер не зміг створити звіт</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Create</source>
        <translation>Створити</translation>
    </message>
    <message>
        <location line="+110"/>
        <source>You don&apos;t have access for this report</source>
        <translation>У вас немає доступу до цього звіту</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Report successfully created</source>
        <translation>Звіт успішно створено</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>There is no connection to the server: the report was not created</source>
        <translation>Немає з’єднання з сервером: звіт не створено</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>The report cannot be written: %1</source>
        <translation>Звіт не може бути записаний: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>unknown report type %1</source>
        <translation>невідомий тип звіту %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no reports folder</source>
        <translation>немає теки звітів</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The report was not written completely:
%1</source>
        <translation>Звіт записано не повністю:
%1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The report holds no data for the chosen period and owners: no workbook was written</source>
        <translation>У звіті немає даних за вибраний період і власників: книгу не записано</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Saved as:
%1</source>
        <translation>Збережено як:
%1</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n workbook(s) saved in:
%1</source>
        <translation>
            <numerusform>%n книгу збережено в:
%1</numerusform>
            <numerusform>%n книги збережено в:
%1</numerusform>
            <numerusform>%n книг збережено в:
%1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The connection to the server was lost: the report was not created</source>
        <translation>З&apos;єднання з сервером втрачено: звіт не створено</translation>
    </message>
    <message numerus="yes">
        <location line="+8"/>
        <source>The server did not answer within %n second(s): the report was not created</source>
        <translation>
            <numerusform>Сервер не відповів за %n секунду: звіт не створено</numerusform>
            <numerusform>Сервер не відповів за %n секунди: звіт не створено</numerusform>
            <numerusform>Сервер не відповів за %n секунд: звіт не створено</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Gui::Report::Balance</name>
    <message>
        <location filename="../../libgui/src/gui/report/balance.cpp" line="+61"/>
        <source>Group</source>
        <translation>Група</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group by price</source>
        <translation>Групувати за ціною</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Balance types is not selected</source>
        <translation>Не вибрано типи балансу</translation>
    </message>
</context>
<context>
    <name>Gui::Report::Session</name>
    <message>
        <location filename="../../libgui/src/gui/report/session.cpp" line="+17"/>
        <source>Date truncate:</source>
        <translation>Усічення дати:</translation>
    </message>
</context>
<context>
    <name>Gui::Search</name>
    <message>
        <location filename="../../libgui/src/gui/search/search.cpp" line="+57"/>
        <source>Search</source>
        <translation>Пошук</translation>
    </message>
</context>
<context>
    <name>Gui::SearchRule</name>
    <message>
        <location filename="../../libgui/src/gui/search/searchrule.cpp" line="+74"/>
        <source>Contains</source>
        <translation>Містить</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not contains</source>
        <translation>Не містить</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>And</source>
        <translation>І</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Or</source>
        <translation>Або</translation>
    </message>
</context>
<context>
    <name>Gui::StartEndDateTimeEdit</name>
    <message>
        <location filename="../../libgui/src/gui/report/startenddatetimeedit.cpp" line="+32"/>
        <source>Apply</source>
        <translation>Застосувати</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Start date:</source>
        <translation>Дата початку:</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>The start of the period is later than its end</source>
        <translation>Початок періоду пізніше за його кінець</translation>
    </message>
    <message>
        <location line="-46"/>
        <source>End date:</source>
        <translation>Дата закінчення:</translation>
    </message>
</context>
<context>
    <name>Gui::TodayCalendar</name>
    <message>
        <location filename="../../libgui/src/gui/widget/todaycalendar.cpp" line="+10"/>
        <source>Today</source>
        <translation>Сьогодні</translation>
    </message>
</context>
<context>
    <name>Gui::Updater</name>
    <message>
        <location filename="../../libgui/src/gui/update/updater.cpp" line="+146"/>
        <source>The download page could not be opened. Open this address in a browser:
%1</source>
        <translation>Не вдалося відкрити сторінку завантаження. Відкрийте цю адресу в браузері:
%1</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>The update has no valid version</source>
        <translation>Оновлення не містить допустимої версії</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Error parse document: </source>
        <translation>Помилка розбору документа: </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Updates for your company is not available</source>
        <translation>Оновлення для вашої компанії недоступні</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Latest version is installed</source>
        <translation>Встановлено останню версію</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Previous version is absent</source>
        <translation>Попередня версія відсутня</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The update download is incomplete: %1 of %2 bytes</source>
        <translation>Оновлення завантажено не повністю: %1 з %2 байтів</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The update archive does not match its SHA-256 digest</source>
        <translation>Архів оновлення не відповідає своїй контрольній сумі SHA-256</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Error opening temporary file: </source>
        <translation>Помилка відкриття тимчасового файлу: </translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The update archive could not be unpacked</source>
        <translation>Не вдалося розпакувати архів оновлення</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Loader not found</source>
        <translation>Завантажувач не знайдено</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The loader could not be put in place: </source>
        <translation>Не вдалося встановити завантажувач: </translation>
    </message>
</context>
<context>
    <name>Gui::Updates</name>
    <message>
        <location filename="../../libgui/src/gui/update/updates.cpp" line="+46"/>
        <source>Updating to this version is impossible!
Download installation of application by link below, reinstall it and try update again.</source>
        <translation>Оновлення до цієї версії неможливе!
Завантажте інсталятор програми за посиланням нижче, перевстановіть програму та повторіть оновлення.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Update</source>
        <translation>Оновити</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Updates</source>
        <translation>Оновлення</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Channel:</source>
        <translation>Канал:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Size:</source>
        <translation>Розмір:</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Version: %1 (%2) - Date: %3</source>
        <translation>Версія: %1 (%2) - Дата: %3</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>MB</source>
        <translation>МБ</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Working directory is protected for writting</source>
        <translation>Робочий каталог захищено від запису</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../../libgui/src/gui/error/errorcatalogue.cpp" line="+31"/>
        <source>Failed to start transaction</source>
        <translation>Не вдалося почати транзакцію</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Transaction commit error</source>
        <translation>Помилка фіксації транзакції</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DB lost connection</source>
        <translation>Втрачено з&apos;єднання з БД</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undefined error on lock record</source>
        <translation>Невідома помилка під час блокування запису</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exception occurred</source>
        <translation>Виникла виняткова ситуація</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>GET LIST: </source>
        <translation>ОТРИМАННЯ СПИСКУ: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>INFO: </source>
        <translation>ВІДОМОСТІ: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ADD: </source>
        <translation>ДОДАВАННЯ: </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>UPDATE: </source>
        <translation>ЗМІНЕННЯ: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Record locked by other user</source>
        <translation>Запис заблоковано іншим користувачем</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error check user locked: controller object not created</source>
        <translation>Помилка перевірки блокування: об&apos;єкт контролера не створено</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Record not locked for update</source>
        <translation>Запис не заблоковано для змінення</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+5"/>
        <source>Record doesn&apos;t exist in db</source>
        <translation>Запис відсутній у БД</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>REMOVE: </source>
        <translation>ВИДАЛЕННЯ: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to delete system record</source>
        <translation>Не вдалося видалити системний запис</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Record can&apos;t be deleted because it locked by other user</source>
        <translation>Неможливо видалити запис: його заблоковано іншим користувачем</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>DUPLICATE: </source>
        <translation>ДУБЛЮВАННЯ: </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Transaction commit error (for multiple duplicate)</source>
        <translation>Помилка фіксації транзакції (під час множинного дублювання)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Source record doesn&apos;t exist in db</source>
        <translation>Вихідний запис відсутній у БД</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error insert duplicated record</source>
        <translation>Помилка додавання дубліката запису</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undefined amount of copies</source>
        <translation>Не задано кількість копій</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Amount must be less or equal 100</source>
        <translation>Кількість має бути не більше 100</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Can&apos;t remove source record</source>
        <translation>Неможливо видалити вихідний запис</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Can&apos;t get info about source record for delete it</source>
        <translation>Неможливо отримати відомості про вихідний запис для його видалення</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>LOCK: </source>
        <translation>БЛОКУВАННЯ: </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>UNLOCK: </source>
        <translation>РОЗБЛОКУВАННЯ: </translation>
    </message>
    <message>
        <location line="+22"/>
        <source>You don&apos;t have enough access privileges for this operation</source>
        <translation>У вас недостатньо прав для цієї операції</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Operation not allowed</source>
        <translation>Операцію не дозволено</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undefined error</source>
        <translation>Невідома помилка</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>First name is empty</source>
        <translation>Не вказано ім&apos;я</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Second name is empty</source>
        <translation>Не вказано прізвище</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Salary tariff doesn&apos;t exist in db</source>
        <translation>Тариф зарплати відсутній у БД</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Offset to UTC less that -14 hours (-840 minutes)</source>
        <translation>Зміщення від UTC менше за -14 годин (-840 хвилин)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Offset to UTC greater that +14 hours (+840 minutes)</source>
        <translation>Зміщення від UTC більше за +14 годин (+840 хвилин)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Max. simultaneously calls is not a number</source>
        <translation>Макс. кількість одночасних дзвінків не є числом</translation>
    </message>
</context>
<context>
    <name>SmsVariables</name>
    <message>
        <location filename="../../libgui/src/gui/dialog/smsvariables.cpp" line="+10"/>
        <source>Variables</source>
        <translation>Змінні</translation>
    </message>
</context>
</TS>
