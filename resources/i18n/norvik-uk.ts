<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="en">
<context>
    <name>DriverSession</name>
    <message>
        <location filename="../../app/src/controller/driver/driversession.cpp" line="+23"/>
        <source>not closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>client watchdog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>server watchdog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>closed by the user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>closed by other user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>close by server midnight handler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>hard closed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Global</name>
    <message>
        <location filename="../../app/src/shell/global.cpp" line="+80"/>
        <source>All groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All types</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>All cities</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message>
        <location filename="../../app/src/controller/notification/notification.cpp" line="+24"/>
        <source>Update of driver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Update of car</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unarchive driver</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NotificationType</name>
    <message>
        <location filename="../../app/src/controller/notification/notificationtype.cpp" line="+24"/>
        <source>Driver update request</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Car update request</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unarchive driver info</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <location filename="../../app/src/startup/startup.cpp" line="+58"/>
        <source>The program could not start: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
