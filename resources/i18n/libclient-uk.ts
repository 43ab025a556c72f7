<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="en">
<context>
    <name>Client::Controller::UserSession</name>
    <message>
        <location filename="../../libclient/src/client/controller/usersession.cpp" line="+123"/>
        <source>not closed</source>
        <translation>не закрито</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>client watchdog</source>
        <translation>сторожовий таймер клієнта</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>server watchdog</source>
        <translation>сторожовий таймер сервера</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>closed by the user</source>
        <translation>закрито користувачем</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>closed by other user</source>
        <translation>закрито іншим користувачем</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>close by server midnight handler</source>
        <translation>закрито сервером опівночі</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hard closed</source>
        <translation>закрито примусово</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../../libclient/src/client/controller/helper/driverstatus.cpp" line="+14"/>
        <source>Offline</source>
        <translation>Не в мережі</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Free</source>
        <translation>Вільний</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>On order</source>
        <translation>На замовленні</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Busy</source>
        <translation>Зайнятий</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>SOS</source>
        <translation>SOS</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Company car offline</source>
        <translation>Авто компанії не в мережі</translation>
    </message>
</context>
</TS>
