<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>AstSrvBox</name>
    <message>
        <location filename="../qml/components/subject/AstSrvBox.qml" line="+9"/>
        <source>Asterisk Server</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ButtonBox</name>
    <message>
        <location filename="../qml/components/editor/ButtonBox.qml" line="+39"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Duplicate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CityBox</name>
    <message>
        <location filename="../qml/components/subject/CityBox.qml" line="+27"/>
        <source>City</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ColorBox</name>
    <message>
        <location filename="../qml/components/ColorBox.qml" line="+30"/>
        <source>Color:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CompanyBox</name>
    <message>
        <location filename="../qml/components/subject/CompanyBox.qml" line="+18"/>
        <source>Company</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DateEdit</name>
    <message>
        <location filename="../qml/components/text/DateEdit.qml" line="+46"/>
        <source>Invalid date</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DoubleOwnerTables</name>
    <message>
        <location filename="../qml/components/subject/DoubleOwnerTables.qml" line="+26"/>
        <source>Groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Users</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DriverBox</name>
    <message>
        <location filename="../qml/components/subject/DriverBox.qml" line="+11"/>
        <source>Driver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Auto assign</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Editor</name>
    <message>
        <location filename="../qml/components/editor/Editor.qml" line="+84"/>
        <source>Data not saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+59"/>
        <source>You do not have permission to open editor</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FilterTextField</name>
    <message>
        <location filename="../qml/components/text/FilterTextField.qml" line="+14"/>
        <source>Filter</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form</name>
    <message>
        <location filename="../qml/components/editor/Form.qml" line="+192"/>
        <source>Data removed by user with id = %1. Form will close!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+271"/>
        <source>Amount:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Remove source record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Resolution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Approve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Reject</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GeoLocation</name>
    <message>
        <location filename="../qml/components/editor/GeoLocation.qml" line="+30"/>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Latitude:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Longitude:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Coordinates:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GroupBalanceItems</name>
    <message>
        <location filename="../qml/components/editor/GroupBalanceItems.qml" line="+11"/>
        <source>Balance items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Enable low balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Low balance</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GroupUtcOffset</name>
    <message>
        <location filename="../qml/components/editor/GroupUtcOffset.qml" line="+8"/>
        <source>Time zone</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InsertUpdateTime</name>
    <message>
        <location filename="../qml/components/editor/InsertUpdateTime.qml" line="+15"/>
        <source>n/a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Create time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Update time:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LabelDate</name>
    <message>
        <location filename="../qml/components/LabelDate.qml" line="+7"/>
        <source>n/a</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NotificationEditorBase</name>
    <message>
        <location filename="../qml/components/editor/NotificationEditorBase.qml" line="+63"/>
        <source>Id:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Context:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Value:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>More...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NtFrame</name>
    <message>
        <location filename="../qml/components/NtFrame.qml" line="+17"/>
        <source>Untitled</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OwnerBalanceItems</name>
    <message>
        <location filename="../qml/components/editor/OwnerBalanceItems.qml" line="+12"/>
        <source>Balance items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Override group low balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Enable low balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Low balance</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OwnerTable</name>
    <message>
        <location filename="../qml/components/subject/OwnerTable.qml" line="+108"/>
        <source>Owners</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Id</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Add...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Remove...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remove entry?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Remove all...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remove entries?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OwnerUtcOffset</name>
    <message>
        <location filename="../qml/components/editor/OwnerUtcOffset.qml" line="+9"/>
        <source>Time zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Use UTC offset</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProlongedStatus</name>
    <message>
        <location filename="../qml/components/editor/ProlongedStatus.qml" line="+34"/>
        <source>Snooze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <source>min.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Note of prolonged</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordName</name>
    <message>
        <location filename="../qml/components/subject/RecordName.qml" line="+15"/>
        <source>n/a</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScheduleBox</name>
    <message>
        <location filename="../qml/components/subject/ScheduleBox.qml" line="+9"/>
        <source>Order type</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StartEndDateTime</name>
    <message>
        <location filename="../qml/components/text/StartEndDateTime.qml" line="+80"/>
        <source>Start date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+21"/>
        <source>End date:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StartEndDateTimeApply</name>
    <message>
        <location filename="../qml/components/text/StartEndDateTimeApply.qml" line="+28"/>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StartEndTime</name>
    <message>
        <location filename="../qml/components/text/StartEndTime.qml" line="+22"/>
        <source>Start time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>End time:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <location filename="../qml/components/table/Table.qml" line="+459"/>
        <source>Keep current entry selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+133"/>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Search...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Extended Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Row Limit...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Select All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Unselect All</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TableContainer</name>
    <message>
        <location filename="../qml/components/table/TableContainer.qml" line="+102"/>
        <source>Row count:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TableListView</name>
    <message>
        <location filename="../qml/components/tablelist/TableListView.qml" line="+112"/>
        <source>Record removed successfuly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Created duplicate of record with id %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TableUserLockedDelegate</name>
    <message>
        <location filename="../qml/components/table/delegates/TableUserLockedDelegate.qml" line="+15"/>
        <source>n/a</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TableViewColumnDriverStatus</name>
    <message>
        <location filename="../qml/components/table/tableviewcolumns/TableViewColumnDriverStatus.qml" line="+12"/>
        <source>Free</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Busy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>On order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>SOS</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ToolButtonAdd</name>
    <message>
        <location filename="../qml/components/toolbuttons/ToolButtonAdd.qml" line="+6"/>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ToolButtonDuplicate</name>
    <message>
        <location filename="../qml/components/toolbuttons/ToolButtonDuplicate.qml" line="+14"/>
        <source>Duplicate</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ToolButtonDuplicateEditor</name>
    <message>
        <location filename="../qml/components/toolbuttons/ToolButtonDuplicateEditor.qml" line="+31"/>
        <source>Duplicate</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ToolButtonEdit</name>
    <message>
        <location filename="../qml/components/toolbuttons/ToolButtonEdit.qml" line="+9"/>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>View</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ToolButtonExcel</name>
    <message>
        <location filename="../qml/components/toolbuttons/ToolButtonExcel.qml" line="+7"/>
        <source>Export to Excel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ToolButtonRemove</name>
    <message>
        <location filename="../qml/components/toolbuttons/ToolButtonRemove.qml" line="+6"/>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ToolButtonUp</name>
    <message>
        <location filename="../qml/components/toolbuttons/ToolButtonUp.qml" line="+6"/>
        <source>Call</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UserAccess</name>
    <message>
        <location filename="../qml/components/editor/UserAccess.qml" line="+19"/>
        <source>Access:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UserBox</name>
    <message>
        <location filename="../qml/components/subject/UserBox.qml" line="+26"/>
        <source>User</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UserLocked</name>
    <message>
        <location filename="../qml/components/editor/UserLocked.qml" line="+12"/>
        <source>n/a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Locked by:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UstBox</name>
    <message>
        <location filename="../qml/components/subject/UstBox.qml" line="+18"/>
        <source>Schedule name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>code</name>
    <message>
        <location filename="../qml/js/inner-codes/driver-paid-service-type/code.js" line="+6"/>
        <source>DRIVER PAID SERVICE TYPE: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to define paid service type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to insert entry in balance log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to define user created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Serivce type is disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Price of service type is 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/js/inner-codes/password-dialog/code.js" line="+5"/>
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
</context>
<context>
    <name>dialog</name>
    <message>
        <location filename="../qml/js/dialog.js" line="+50"/>
        <source>Do you want to delete record?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Do you want to delete records?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Data changed by user &apos;%1&apos;. Apply?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Order contains bank card. Do you want to dublicate record?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>errors</name>
    <message>
        <location filename="../qml/js/errors.js" line="+18"/>
        <source>Name is not unique</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Balance type isn&apos;t selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sign of price doesn&apos;t match sign of balance type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to create balance type object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to define balance type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Owner is already connected to this paid service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Code isn&apos;t unique</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rating must be in interval from 1.0 to 5.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to define company</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Forbidden to delete the system record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Can&apos;t remove last car</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>errors-base</name>
    <message>
        <location filename="../qml/js/errors-base.js" line="+20"/>
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
        <location line="+1"/>
        <location line="+103"/>
        <location line="+5"/>
        <source>Exception occurred</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-104"/>
        <source>Sign is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sign contains prohibited symbols</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sign already exist in db</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+1"/>
        <source>Group doesn&apos;t exist in db</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+26"/>
        <source>Name is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-25"/>
        <source>Group name already exist in db</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Name of group is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name of group already exist in db</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error create security rules for group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Forbidden to remove Administrators group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Failed to create new entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Item already assigned on the duty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All planned units was assigned</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to define item of planing duties journal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to define amount of assigned units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Duty type of planned duties doesn&apos;t match with type of item duty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+1"/>
        <source>Failed to update data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Code already exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order status already exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order status is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Failed to remove system record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
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
        <location line="+1"/>
        <location line="+9"/>
        <location line="+8"/>
        <location line="+4"/>
        <location line="+5"/>
        <source>Failed to start transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-25"/>
        <location line="+9"/>
        <location line="+12"/>
        <location line="+5"/>
        <source>Transaction commit error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-25"/>
        <location line="+9"/>
        <location line="+8"/>
        <location line="+10"/>
        <source>DB lost connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-24"/>
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
        <location line="+6"/>
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
        <location line="+5"/>
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
        <location line="+3"/>
        <source>LOCK: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undefined error on lock record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>UNLOCK: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undefined error on unlock record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Untitled error for controller </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>controller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>security group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Opcode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>description: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Exception Description: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>hardcode</name>
    <message>
        <location filename="../qml/js/hardcode.js" line="+21"/>
        <source>January</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>February</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>March</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>April</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>May</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>June</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>July</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>August</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>September</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>October</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>November</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>December</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Capture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Buy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reverse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Peer to peer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Current</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Resolved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not resolved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Deleted</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>status-code</name>
    <message>
        <location filename="../qml/js/status-code.js" line="+20"/>
        <source>Prepare cashless order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Successfully saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Attempt to send on server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+18"/>
        <location line="+35"/>
        <location line="+12"/>
        <location line="+2"/>
        <location line="+11"/>
        <location line="+18"/>
        <location line="+3"/>
        <location line="+3"/>
        <location line="+2"/>
        <location line="+3"/>
        <location line="+2"/>
        <location line="+2"/>
        <location line="+2"/>
        <location line="+3"/>
        <location line="+10"/>
        <location line="+3"/>
        <location line="+2"/>
        <source>Undefined error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-130"/>
        <source>Order not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+20"/>
        <location line="+64"/>
        <source>Order type not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-83"/>
        <location line="+16"/>
        <location line="+49"/>
        <location line="+13"/>
        <source>Company not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-77"/>
        <source>Tariff not set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Client not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+17"/>
        <source>Driver not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+17"/>
        <location line="+46"/>
        <source>Driver terminal blocked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-62"/>
        <location line="+17"/>
        <source>Driver status isn&apos;t free</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+17"/>
        <source>Driver not connected to order type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+17"/>
        <location line="+46"/>
        <source>Driver tempory disconnected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-62"/>
        <location line="+30"/>
        <source>Failed to init records in TZA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-29"/>
        <source>Failed to define coords of 1st feed address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to assamble order message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to assamble way points message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+31"/>
        <source>Driver didn&apos;t accept order type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-30"/>
        <source>Order successfully saved on server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order already exists in db</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Invalid time of feed time offset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+64"/>
        <source>Tariff not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-57"/>
        <source>Invalid feed time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid time of start search driver (must be &gt;=0 and &lt;= 60)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+53"/>
        <source>Failed to start transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-52"/>
        <source>Failed commit transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid feed time of way point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid lat coord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid lon coord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to insert order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to insert way point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+53"/>
        <source>Failed to create snapshot of first part tariff</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-52"/>
        <location line="+53"/>
        <source>Failed to create snapshot of second part tariff</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-52"/>
        <location line="+53"/>
        <source>Failed to create snapshot of zones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-52"/>
        <source>Failed to set link to first part of tariff</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+52"/>
        <source>Failed to create snapshot of tariff of zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-51"/>
        <source>Undefined value of &apos;feed_is_fuzzy&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undefined value of &apos;feed_lat&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undefined value of &apos;feed_lon&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Driver has not selectes duty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Balance of driver is low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Additional sum is invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Searching driver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ignore driver from black list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Return to autoassign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+9"/>
        <source>Driver found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-8"/>
        <source>Failed to define First tariff</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to get list of driver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to prepare routino profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to prepare routino translation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to init routino db</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to init routino</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to set driver in order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to define max distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Booking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start assign driver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+13"/>
        <source>First tariff not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-11"/>
        <source>Driver status not free</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver not connected to tariff of order (no record in table connection)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Driver not connected to tariff of order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error in assembling way points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error in assembling order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order successfully saved on terminal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error in insert order in db on driver terminal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error in insert way poins of order in db on driver terminal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Failed to commit transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Failed to create storge for keep amount result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver treminal has unfinished order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver staus isn&apos;t free</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Failed to update link to snapshot of first part tariff</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Waiting server resolution for accept order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Driver rejected order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The time for accepting order has been expired</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Server allowed order to accept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Server denied order to accept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Server allowed order to deny</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Order started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order reserved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mode: move to client</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>On place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start notification client</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Notification of client completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Client notification is going on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Notification of client failed to start: Exception occurred</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Notification of client failed to start: Failed to define client</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Notification of client failed to start: Failed to get list of servers of notification by call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Notification of client failed to start: Failed to define available entry of severs notification by call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Notification of client failed to start: Asterisk server absent in current AMI connections</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Notification of client failed to start: Field to define company</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Notification of client failed to start: Failed to prepared entry in CDR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wait client started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Client in the car (start mode with client)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pause on back way</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Back way</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Preparing for complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Complete order</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>utils</name>
    <message>
        <location filename="../qml/js/utils.js" line="+254"/>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Send message</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
