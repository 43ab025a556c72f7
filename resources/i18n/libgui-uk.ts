<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="en">
<context>
    <name>Gui::DataLoading</name>
    <message>
        <location filename="../../libgui/src/gui/widget/dataloading.cpp" line="+10"/>
        <source>Waiting data from server...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Data loading</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Gui::Dialog::BalanceLog</name>
    <message>
        <location filename="../../libgui/src/gui/dialog/balancelog.cpp" line="+39"/>
        <source>New Balance Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+45"/>
        <source>Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-31"/>
        <source>View Balance Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Value:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Note:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Gui::Dialog::ChangePassword</name>
    <message>
        <location filename="../../libgui/src/gui/dialog/changepassword.cpp" line="+36"/>
        <source>Change Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Old password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Confirm password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Failed to define entry by id</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Password and confirm password is different</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Old password is bad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error occurred on updating new password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undefined error occurred</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The password was not changed (error code %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Password successfully changed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Gui::Dialog::CommonOptionsPage</name>
    <message>
        <location filename="../../libgui/src/gui/dialog/commonoptionspage.cpp" line="+62"/>
        <source>English</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Russian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Group windows in taskbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>User Interface</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Language:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>S&amp;cale factor:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Font size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clea&amp;r logs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Logging</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Release</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Beta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Check &amp;updates on startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Updating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>C&amp;hannel:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Need restart application for applying options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Size: %1 MB</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Gui::Dialog::Customize</name>
    <message>
        <location filename="../../libgui/src/gui/dialog/customize.cpp" line="+44"/>
        <source>Customize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+84"/>
        <source>Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Gui::Dialog::IntervalEditor</name>
    <message>
        <location filename="../../libgui/src/gui/dialog/intervaleditor.cpp" line="+37"/>
        <source>Interval Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Empty value error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&quot;%1&quot; is not a number</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Gui::Dialog::IntervalWidget</name>
    <message>
        <location filename="../../libgui/src/gui/dialog/intervalwidget.cpp" line="+25"/>
        <location line="+68"/>
        <location line="+19"/>
        <source>hrn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-68"/>
        <source>Before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+41"/>
        <location line="+18"/>
        <source>km</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+18"/>
        <source>min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-15"/>
        <source>orders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+2"/>
        <source>order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>hour</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Gui::Dialog::Login</name>
    <message>
        <location filename="../../libgui/src/gui/dialog/login.cpp" line="+46"/>
        <source>Log In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Save password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reset Password...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>User:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Server:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Servers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Production</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Development</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+76"/>
        <source>Saved password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+71"/>
        <source>Sign or password is incorrect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The server refused the sign-in (code: %1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Gui::Dialog::Options</name>
    <message>
        <location filename="../../libgui/src/gui/dialog/options.cpp" line="+12"/>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Common</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Gui::Dialog::Roles</name>
    <message>
        <location filename="../../libgui/src/gui/dialog/roles.cpp" line="+13"/>
        <source>Roles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Role</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Gui::Dialog::RowLimit</name>
    <message>
        <location filename="../../libgui/src/gui/dialog/rowlimit.cpp" line="+12"/>
        <source>Row Limit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Gui::Dialog::Server</name>
    <message>
        <location filename="../../libgui/src/gui/dialog/server.cpp" line="+22"/>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Servers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+41"/>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-41"/>
        <source>IP address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+108"/>
        <source>Row %1: the name is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Row %1: &quot;%2&quot; is not an IP address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Row %1: the port must be a number from 1 to 65535.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Gui::Frame</name>
    <message>
        <location filename="../../libgui/src/gui/frame/frame.cpp" line="+17"/>
        <source>Untitled</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Gui::Frames</name>
    <message>
        <location filename="../../libgui/src/gui/frame/frames.cpp" line="+76"/>
        <source>You need to save all data, before quit program!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Gui::Global</name>
    <message>
        <location filename="../../libgui/src/gui/core/global.cpp" line="+117"/>
        <source>All groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+74"/>
        <source>You have old version! Please update your application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>New version is available! Please update your application in the near future</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+122"/>
        <source>This account made other connection to the server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Your session closed on server side</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Gui::Helper::Busy</name>
    <message>
        <location filename="../../libgui/src/gui/helper/busy.cpp" line="+62"/>
        <source>Server unavailable</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Gui::HostLabel</name>
    <message>
        <location filename="../../libgui/src/gui/widget/hostlabel.cpp" line="+8"/>
        <source>%1:%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Gui::Launcher</name>
    <message>
        <location filename="../../libgui/src/gui/mainwindow/launcher.cpp" line="+31"/>
        <source>Launcher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Type a part of a command&apos;s name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Gui::MainMenu</name>
    <message>
        <location filename="../../libgui/src/gui/mainwindow/mainmenu.cpp" line="+74"/>
        <source>&amp;Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Change Password...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Ctrl+Q</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Launcher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+Shift+L</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;SMS Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Notification Types</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>C&amp;ustomize...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Options...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Check &amp;latest version...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Back to previous version...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open &amp;Download Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;About %1...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Gui::MainStatusBar</name>
    <message>
        <location filename="../../libgui/src/gui/widget/mainstatusbar.cpp" line="+24"/>
        <source>User server:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>user: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Row count:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Gui::MainToolBar</name>
    <message>
        <location filename="../../libgui/src/gui/mainwindow/maintoolbar.cpp" line="+99"/>
        <source>Notifications</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Gui::MainWindow</name>
    <message>
        <location filename="../../libgui/src/gui/mainwindow/mainwindow.cpp" line="+166"/>
        <source>Are you sure want to quit?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../libgui/src/gui/mainwindow/about.cpp" line="+21"/>
        <source>&lt;h3&gt;%1 %2&lt;/h3&gt;Based on Qt %3&lt;br&gt;Build on %4&lt;br&gt;&lt;br&gt;Copyright %5 %6. All rights reserved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Gui::Private::GuiSessionMenu</name>
    <message>
        <location filename="../../libgui/src/gui/mainwindow/guisessionmenu.cpp" line="+43"/>
        <source>&amp;Gui Sessions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+47"/>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Gui::Search</name>
    <message>
        <location filename="../../libgui/src/gui/search/search.cpp" line="+52"/>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Gui::SearchRule</name>
    <message>
        <location filename="../../libgui/src/gui/search/searchrule.cpp" line="+74"/>
        <source>Contains</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not contains</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>And</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Or</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Gui::TodayCalendar</name>
    <message>
        <location filename="../../libgui/src/gui/widget/todaycalendar.cpp" line="+10"/>
        <source>Today</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Gui::Updater</name>
    <message>
        <location filename="../../libgui/src/gui/update/updater.cpp" line="+169"/>
        <source>The update has no valid version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Error parse document: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Updates for your company is not available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Latest version is installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Previous version is absent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The update download is incomplete: %1 of %2 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The update archive does not match its SHA-256 digest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Error opening temporary file: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The update archive could not be unpacked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Loader not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The loader could not be put in place: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Gui::Updates</name>
    <message>
        <location filename="../../libgui/src/gui/update/updates.cpp" line="+46"/>
        <source>Updating to this version is impossible!
Download installation of application by link below, reinstall it and try update again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Channel:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Version: %1 (%2) - Date: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Working directory is protected for writting</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../../libgui/src/gui/error/errorcatalogue.cpp" line="+31"/>
        <source>Failed to start transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Transaction commit error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DB lost connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undefined error on lock record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exception occurred</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>GET LIST: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>INFO: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ADD: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>UPDATE: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Record locked by other user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error check user locked: controller object not created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Record not locked for update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+5"/>
        <source>Record doesn&apos;t exist in db</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-3"/>
        <source>REMOVE: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to delete system record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Record can&apos;t be deleted because it locked by other user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>DUPLICATE: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Transaction commit error (for multiple duplicate)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Source record doesn&apos;t exist in db</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error insert duplicated record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undefined amount of copies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Amount must be less or equal 100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Can&apos;t remove source record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Can&apos;t get info about source record for delete it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>LOCK: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>UNLOCK: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+25"/>
        <source>You don&apos;t have enough access privileges for this operation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Operation not allowed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undefined error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>First name is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Second name is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Salary tariff doesn&apos;t exist in db</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Offset to UTC less that -14 hours (-840 minutes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Offset to UTC greater that +14 hours (+840 minutes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Max. simultaneously calls is not a number</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SmsVariables</name>
    <message>
        <location filename="../../libgui/src/gui/dialog/smsvariables.cpp" line="+9"/>
        <source>Variables</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
