<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>Client::Controller::UserSession</name>
    <message>
        <location filename="../../libclient/src/client/controller/usersession.cpp" line="+123"/>
        <source>not closed</source>
        <translation>не закрыт</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>client watchdog</source>
        <translation>сторожевой таймер клиента</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>server watchdog</source>
        <translation>сторожевой таймер сервера</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>closed by the user</source>
        <translation>закрыт пользователем</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>closed by other user</source>
        <translation>закрыт другим пользователем</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>close by server midnight handler</source>
        <translation>закрыт сервером в полночь</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hard closed</source>
        <translation>закрыт принудительно</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../../libclient/src/client/controller/helper/driverstatus.cpp" line="+14"/>
        <source>Offline</source>
        <translation>Не в сети</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Free</source>
        <translation>Свободен</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>On order</source>
        <translation>На заказе</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Busy</source>
        <translation>Занят</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>SOS</source>
        <translation>SOS</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Company car offline</source>
        <translation>Авто компании не в сети</translation>
    </message>
</context>
</TS>
