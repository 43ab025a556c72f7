<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <location filename="../../libcommon/src/common/core/utils/utils.cpp" line="+273"/>
        <source>yesterday, </source>
        <translation>учора, </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>tomorrow, </source>
        <translation>завтра, </translation>
    </message>
</context>
<context>
    <name>Utils</name>
    <message>
        <location line="+35"/>
        <source>Days %1 </source>
        <translation>%1 дн. </translation>
    </message>
</context>
</TS>
