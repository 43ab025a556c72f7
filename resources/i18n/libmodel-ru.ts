<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <location filename="../../libmodel/src/model/base/abstractmodel.cpp" line="+27"/>
        <location filename="../../libmodel/src/model/base/shell/launcher.cpp" line="+10"/>
        <location filename="../../libmodel/src/model/base/shell/ownerkeeper.cpp" line="+10"/>
        <location filename="../../libmodel/src/model/base/shell/toolbar.cpp" line="+10"/>
        <source>Id</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>User locked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Update time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Insert time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/balance/balancegroup.cpp" line="+10"/>
        <location filename="../../libmodel/src/model/base/balance/balancetype.cpp" line="+13"/>
        <location filename="../../libmodel/src/model/base/company/company.cpp" line="+16"/>
        <location filename="../../libmodel/src/model/base/driver/attributes/bodytype.cpp" line="+14"/>
        <location filename="../../libmodel/src/model/base/driver/attributes/carbrand.cpp" line="+13"/>
        <location filename="../../libmodel/src/model/base/driver/attributes/carcolor.cpp" line="+14"/>
        <location filename="../../libmodel/src/model/base/notification/notification.cpp" line="+15"/>
        <location filename="../../libmodel/src/model/base/notification/notificationtype.cpp" line="+9"/>
        <location filename="../../libmodel/src/model/base/payment/paymentsystem.cpp" line="+11"/>
        <location filename="../../libmodel/src/model/base/sms/sms.cpp" line="+10"/>
        <location filename="../../libmodel/src/model/base/user/usergroup.cpp" line="+31"/>
        <location filename="../../libmodel/src/model/base/value/value.cpp" line="+9"/>
        <location filename="../../libmodel/src/model/orlem/rating/driverratingcoefficient.cpp" line="+14"/>
        <source>Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../libmodel/src/model/base/balance/balancetype.cpp" line="+1"/>
        <location filename="../../libmodel/src/model/base/balance/companybalancetype.cpp" line="+15"/>
        <location filename="../../libmodel/src/model/base/balance/driverbalancetype.cpp" line="+17"/>
        <location filename="../../libmodel/src/model/base/city/city.cpp" line="+9"/>
        <location filename="../../libmodel/src/model/base/company/company.cpp" line="-2"/>
        <location filename="../../libmodel/src/model/base/driver/attributes/bodytype.cpp" line="-1"/>
        <location filename="../../libmodel/src/model/base/driver/attributes/carbrand.cpp" line="+1"/>
        <location filename="../../libmodel/src/model/base/driver/attributes/carcolor.cpp" line="-1"/>
        <location filename="../../libmodel/src/model/base/group/group.cpp" line="+9"/>
        <location filename="../../libmodel/src/model/base/notification/notification.cpp" line="+4"/>
        <location filename="../../libmodel/src/model/base/notification/notificationtype.cpp" line="+4"/>
        <location filename="../../libmodel/src/model/base/paidservice/paidservicetype4owner.cpp" line="+10"/>
        <location filename="../../libmodel/src/model/base/payment/paymentsystem.cpp" line="-1"/>
        <location filename="../../libmodel/src/model/base/session/guisession.cpp" line="+10"/>
        <location filename="../../libmodel/src/model/base/sms/sms.cpp" line="-1"/>
        <location filename="../../libmodel/src/model/helper/securityoptiontexts.cpp" line="+14"/>
        <location filename="../../libmodel/src/model/orlem/rating/driverratingcoefficient.cpp" line="-1"/>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../libmodel/src/model/base/balance/balancetype.cpp" line="+1"/>
        <location filename="../../libmodel/src/model/base/group/group.cpp" line="+1"/>
        <location filename="../../libmodel/src/model/helper/securityoptiontexts.cpp" line="+6"/>
        <location filename="../../libmodel/src/model/orlem/rating/driverratingcoefficient.cpp" line="+4"/>
        <location filename="../../libmodel/src/model/tavik/card/cardgroup.cpp" line="+11"/>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/balance/balancelog.cpp" line="+14"/>
        <source>Sign of user created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../libmodel/src/model/base/notification/notification.cpp" line="-2"/>
        <location filename="../../libmodel/src/model/base/notification/notificationmessage.cpp" line="+11"/>
        <location filename="../../libmodel/src/model/base/security/usergroupsecurityoption.cpp" line="+30"/>
        <location filename="../../libmodel/src/model/base/security/usersecurityoption.cpp" line="+14"/>
        <location filename="../../libmodel/src/model/base/session/guisession.cpp" line="+1"/>
        <location filename="../../libmodel/src/model/base/value/value.cpp" line="+1"/>
        <location filename="../../libmodel/src/model/orlem/rating/driverratingcoefficient.cpp" line="-1"/>
        <location filename="../../libmodel/src/model/orlem/sms/sms.cpp" line="+13"/>
        <location filename="../../libmodel/src/model/tavik/balance/userbalancelog.cpp" line="+12"/>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../libmodel/src/model/helper/balance.cpp" line="+11"/>
        <source>Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../libmodel/src/model/base/rating/driverratinglog.cpp" line="+18"/>
        <location filename="../../libmodel/src/model/base/session/guisession.cpp" line="+2"/>
        <location filename="../../libmodel/src/model/base/session/session.cpp" line="+23"/>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Balance group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Balance type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../libmodel/src/model/base/balance/ownerbalancetransfer.cpp" line="+13"/>
        <location filename="../../libmodel/src/model/base/payment/paymentsystempaymentslog.cpp" line="+18"/>
        <source>Transaction key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/balance/balancetype.cpp" line="-3"/>
        <location filename="../../libmodel/src/model/base/balance/companybalancetype.cpp" line="+1"/>
        <location filename="../../libmodel/src/model/base/balance/driverbalancetype.cpp" line="+1"/>
        <source>Type operation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/balance/balancetypeseed.cpp" line="+23"/>
        <location filename="../../libmodel/src/model/base/balance/companybalancetype.cpp" line="+17"/>
        <source>Debit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Credit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/balance/companybalancegroup.cpp" line="+26"/>
        <source>Refill driver balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Refill company balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../libmodel/src/model/base/balance/driverbalancegroup.cpp" line="+27"/>
        <source>Order operation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../libmodel/src/model/orlem/balance/companybalancelog.cpp" line="+15"/>
        <location filename="../../libmodel/src/model/orlem/company/company.cpp" line="+20"/>
        <source>Lost profit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver&apos;s monthly fee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../libmodel/src/model/base/balance/driverbalancegroup.cpp" line="+5"/>
        <source>Cashback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../libmodel/src/model/base/balance/driverbalancegroup.cpp" line="+1"/>
        <source>Bonuses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../libmodel/src/model/base/balance/driverbalancegroup.cpp" line="+1"/>
        <source>Compensation for failure P2P</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/balance/companybalancetype.cpp" line="+4"/>
        <location filename="../../libmodel/src/model/base/balance/driverbalancetype.cpp" line="+33"/>
        <source>Changing sum tip (debit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../../libmodel/src/model/base/balance/driverbalancetype.cpp" line="+3"/>
        <source>Changing sum tip (credit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/balance/driverbalancegroup.cpp" line="-8"/>
        <source>Refill balance by company</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Services</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Transfers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Penalties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Raise rating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/balance/driverbalancetype.cpp" line="-38"/>
        <source>Balance group name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Payment system (debit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Payment system (credit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../../libmodel/src/model/orlem/balance/companybalancetype.cpp" line="+26"/>
        <source>Additional payment (debit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../libmodel/src/model/orlem/balance/companybalancetype.cpp" line="+2"/>
        <source>Additional payment (credit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../libmodel/src/model/orlem/balance/companybalancetype.cpp" line="+2"/>
        <source>Changing additional payment (debit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../libmodel/src/model/orlem/balance/companybalancetype.cpp" line="+2"/>
        <source>Changing additional payment (credit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Rent of equipment (debit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rent of equipment (credit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Transfer to acceptor (debit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Transfer to acceptor (credit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Transfer from contributor (debit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Transfer from contributor (credit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Short distance (debit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Short distance (credit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/balance/ownerbalancetransfer.cpp" line="-2"/>
        <source>Sign contributor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sign acceptor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../libmodel/src/model/base/owner/owner.cpp" line="+11"/>
        <location filename="../../libmodel/src/model/base/payment/paymentsystem.cpp" line="+4"/>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Amount to credit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Amount to debit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Operation timeout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Amount attempts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Code completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../libmodel/src/model/base/payment/paymentsystempaymentslog.cpp" line="+4"/>
        <source>Is completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/car/car.cpp" line="+17"/>
        <location filename="../../libmodel/src/model/base/company/company.cpp" line="-2"/>
        <location filename="../../libmodel/src/model/base/media/media.cpp" line="+13"/>
        <location filename="../../libmodel/src/model/base/payment/paymentsystem.cpp" line="-5"/>
        <location filename="../../libmodel/src/model/base/payment/paymentsystemaccountscompany.cpp" line="+11"/>
        <source>Uuid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../libmodel/src/model/base/media/media.cpp" line="+1"/>
        <source>Approved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../libmodel/src/model/base/rating/driverratinglog.cpp" line="-5"/>
        <source>Identifier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Place amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../libmodel/src/model/base/owner/owner.cpp" line="-2"/>
        <location filename="../../libmodel/src/model/base/payment/paymentsystempaymentslog.cpp" line="-7"/>
        <location filename="../../libmodel/src/model/base/session/session.cpp" line="-13"/>
        <location filename="../../libmodel/src/model/orlem/crash/crashreport.cpp" line="+12"/>
        <location filename="../../libmodel/src/model/tavik/rating/driverratinglog.cpp" line="+9"/>
        <source>Sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../libmodel/src/model/base/driver/driver.cpp" line="+44"/>
        <source>Body type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../libmodel/src/model/base/driver/driver.cpp" line="+2"/>
        <source>Brand name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../libmodel/src/model/base/driver/driver.cpp" line="+1"/>
        <source>Color name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Body type code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brand code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Color code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../libmodel/src/model/base/driver/driver.cpp" line="+1"/>
        <source>Color RGB code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/city/city.cpp" line="+1"/>
        <source>Coordinates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/company/company.cpp" line="+6"/>
        <location filename="../../libmodel/src/model/base/driver/driver.cpp" line="-31"/>
        <location filename="../../libmodel/src/model/base/rating/driverratinglog.cpp" line="+2"/>
        <source>Rating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Description for driver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Personal info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Order coefficient</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Order count threshold for coefficient</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Priority autoassign for brand car</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/driver/attributes/bodytype.cpp" line="+2"/>
        <location filename="../../libmodel/src/model/base/driver/attributes/carbrand.cpp" line="+1"/>
        <location filename="../../libmodel/src/model/base/driver/attributes/carcolor.cpp" line="+3"/>
        <source>Order index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Sedan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Hatchback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Suv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Universal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Coupe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Minibus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pickup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Limousine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Van</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cabriolet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/driver/attributes/carcolor.cpp" line="-1"/>
        <source>RGB Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>White</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Silver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Beige</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Light blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Purple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Orange</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pink</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/driver/driver.cpp" line="-6"/>
        <location filename="../../libmodel/src/model/base/user/user.cpp" line="+32"/>
        <location filename="../../libmodel/src/model/orlem/crash/crashreport.cpp" line="+1"/>
        <source>First name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../libmodel/src/model/base/user/user.cpp" line="+1"/>
        <location filename="../../libmodel/src/model/orlem/crash/crashreport.cpp" line="+1"/>
        <source>Middle name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../libmodel/src/model/base/user/user.cpp" line="+1"/>
        <location filename="../../libmodel/src/model/orlem/crash/crashreport.cpp" line="+1"/>
        <source>Last name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Is archived</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../libmodel/src/model/base/user/user.cpp" line="+2"/>
        <source>Phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Secondary phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Availabe bank cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Use bank card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Override duty amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Duty amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Override temporary duty amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Temporary duty amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Identification code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Car identifier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Car model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Car year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Car place amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/media/media.cpp" line="-3"/>
        <source>Tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/notification/notification.cpp" line="-3"/>
        <source>Readed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../libmodel/src/model/base/notification/notificationmessage.cpp" line="-1"/>
        <source>Context</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../libmodel/src/model/base/notification/notificationmessage.cpp" line="+2"/>
        <source>Completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/notification/notificationtype.cpp" line="-3"/>
        <location filename="../../libmodel/src/model/base/paidservice/paidserviceofowner.cpp" line="+11"/>
        <location filename="../../libmodel/src/model/base/paidservice/paidservicetype4owner.cpp" line="+2"/>
        <location filename="../../libmodel/src/model/base/payment/paymentsystem.cpp" line="+3"/>
        <location filename="../../libmodel/src/model/base/payment/paymentsystemaccountscompany.cpp" line="+3"/>
        <source>Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../libmodel/src/model/tavik/security/controllernames.cpp" line="+106"/>
        <source>Users</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/owner/owner.cpp" line="+3"/>
        <source>Blocked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pass checking new version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../libmodel/src/model/base/paidservice/paidservicetype4owner.cpp" line="+1"/>
        <location filename="../../libmodel/src/model/base/payment/paymentsystemaccountscompany.cpp" line="+19"/>
        <source>Inner note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/paidservice/paidservicetype4owner.cpp" line="-2"/>
        <source>Price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/payment/paymentsystem.cpp" line="+1"/>
        <source>Login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Credit key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Incoming commiss</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Outgoing commiss</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>API URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>HTTP checkout address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>URL for status track</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>URL after pay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/payment/paymentsystemaccountscompany.cpp" line="-21"/>
        <source>Public key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Private key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Currency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Weight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Relative fee of payment system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Absolute fee of payment system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Relative fee of Koriv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Absolute fee of Koriv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Default payment value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Client language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save client data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sandbox mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Payee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EDRPOU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MFO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Payment details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NDS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Subprovider Id</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/payment/paymentsystempaymentslog.cpp" line="+1"/>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>External pay id</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Response</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Is successfully</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Expired date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Last status check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../libmodel/src/model/base/rating/driverratinglog.cpp" line="-6"/>
        <location filename="../../libmodel/src/model/orlem/paidservice/paidservicetype4driver.cpp" line="+12"/>
        <location filename="../../libmodel/src/model/tavik/card/cardgroup.cpp" line="+1"/>
        <location line="+2"/>
        <source>Company</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Payment system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/rating/driverratinglog.cpp" line="+7"/>
        <source>Average rating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../libmodel/src/model/base/user/user.cpp" line="+1"/>
        <location filename="../../libmodel/src/model/base/user/usergroup.cpp" line="-1"/>
        <location filename="../../libmodel/src/model/orlem/company/company.cpp" line="+6"/>
        <source>Is system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/security/usersecurityoption.cpp" line="+1"/>
        <source>Is using</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/session/guisession.cpp" line="-1"/>
        <location line="+3"/>
        <source>Auto save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-1"/>
        <location line="+2"/>
        <source>Is default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/session/session.cpp" line="+1"/>
        <source>Start date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>End date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OS name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Build ABI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Last sync time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+2"/>
        <source>Close type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/session/usersession.cpp" line="+11"/>
        <location filename="../../libmodel/src/model/base/user/user.cpp" line="+2"/>
        <location filename="../../libmodel/src/model/orlem/driver/driver.cpp" line="+63"/>
        <location filename="../../libmodel/src/model/orlem/session/driversession.cpp" line="+12"/>
        <source>Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/sms/sms.cpp" line="+2"/>
        <source>Use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/user/user.cpp" line="-4"/>
        <source>Max sim calls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Admin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/user/usergroup.cpp" line="+12"/>
        <source>Admins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/helper/clientsideendsession.cpp" line="+11"/>
        <location line="+3"/>
        <source>Use end session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-1"/>
        <source>End session timeout (client side)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/helper/driveradditionalpayment.cpp" line="+15"/>
        <location filename="../../libmodel/src/model/helper/driverdistancepenalty.cpp" line="+14"/>
        <source>Override group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/helper/drivercoords.cpp" line="+16"/>
        <source>Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Altitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/helper/drivergroupadditionalpayment.cpp" line="+12"/>
        <source>Enable additional payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Percent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Absolute values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/helper/drivergroupdistancepenalty.cpp" line="+12"/>
        <source>Enable distance penalty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Distance penalty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel per day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/helper/groupbalance.cpp" line="+12"/>
        <source>Enable low balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Low balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/helper/groupenableselectduty.cpp" line="+11"/>
        <source>Enable select duty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/helper/ownerbalance.cpp" line="+14"/>
        <source>Override group low balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/helper/ownerclientsideendsession.cpp" line="+12"/>
        <source>Override group value of use end session monitor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/helper/ownerenableselectduty.cpp" line="+14"/>
        <source>Override group enable select duty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/helper/salaryswitches.cpp" line="+16"/>
        <source>Use order created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use order driver assign manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use order cashless card assign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use client notity manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use order canceled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use order completed confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use salary incoming calls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use salary outgoing calls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/helper/sex.cpp" line="+11"/>
        <source>Sex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/helper/useutcoffset.cpp" line="+11"/>
        <location line="+1"/>
        <source>Use UTC offset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/helper/utcoffset.cpp" line="+14"/>
        <source>UTC offset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/orlem/balance/companybalancegroup.cpp" line="+21"/>
        <source>Driver&apos;s operations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Raise driver rating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/orlem/balance/companybalancetype.cpp" line="+1"/>
        <source>Driver&apos;s penalties (debit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Driver&apos;s penalties (credit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver&apos;s services (debit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Driver&apos;s services (credit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Driver&apos;s transfers (debit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Driver&apos;s transfers (credit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Removed drivers (debit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Removed drivers (credit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/orlem/company/company.cpp" line="+21"/>
        <source>System company</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/orlem/driver/driver.cpp" line="-43"/>
        <source>System note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+45"/>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-44"/>
        <source>Is moving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Course</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Horizontal accuracy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vertical accuracy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Update coordinates time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Update status time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Is deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Last update of common info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rating count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Recommender</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Completed order sequence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Canceled order sequence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Canceled booking order sequence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Busy time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Free time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Begin shift time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Expected complete shift time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Complete shift time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Automatic archiving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Order receiving priority</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Car company</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/orlem/rating/driverratingcoefficient.cpp" line="-1"/>
        <source>Sequence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Completed orders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>For in sequence completed orders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Canceled orders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>For in sequence canceled orders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Canceled booking orders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>For in sequence canceled booking orders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Append bank card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove bank card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/tavik/balance/cardbalancelog.cpp" line="+13"/>
        <source>Group:Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/tavik/card/cardgroup.cpp" line="-4"/>
        <source>Serie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/tavik/security/controllernames.cpp" line="-94"/>
        <source>User group security options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User security options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Active calls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Addresses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Asterisk servers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Card groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Card balance groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Card balance types</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Card balance logs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chat groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chat access</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chat admins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Call detail records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cities</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clients</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Client groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Client balance groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Client balance types</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Client balance logs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Client group outgoing notify calls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Client bonuses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Client bonus logs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Client rating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Client rating logs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Companies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Company balance groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Company balance types</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Company balance logs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Company caller IDs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Company cars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cash terminal statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Car brands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Car colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Car body types</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drivers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver tariff groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver tariffs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver refill balance logs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver tariff connections</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver rating logs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver shifts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver duty groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver duty calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver duty selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver archive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver balance groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver balance types</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver balance logs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Types of driver invoices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invoices of drivers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Encash terminals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fondy status logs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Media</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Notifications</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Notification types</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Notification messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Orders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order first tariffs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order second tariffs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order tariff zones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order zones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order incompleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order way points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order completed types</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order completed logs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order status logs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order tariff zone amounts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order services</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order sum tips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order autoassign logs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Outgoing calls for company (SIP accounts)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Payment systems</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Payment systems account of company</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Streets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Schedule of tariffs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Set of schedules of tariffs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Street types</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tariffs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tariffs (second)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tariffs of zones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tariff shedule rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Track of order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Global servers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sms companies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sms bulk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User SIP accounts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>User balance groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User balance types</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User balance logs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User salary tariffs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User sessions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User GUI sessions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User objects settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <source>User&apos;s duty types</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-1"/>
        <source>User&apos;s planing duty journal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Consolidated company report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Individual user balance report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Consolidated user balance report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User session report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User transactions report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Individual user salary report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Consolidated user salary report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Consolidated user calls report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Consolidated user duties report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Individual card group report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Individual card group balance report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Missed calls report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/tavik/security/securityoption.cpp" line="+28"/>
        <source>Create record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Access for create new record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Update record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Access for update new record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Access for read one record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Duplicate record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Access for duplicate record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Access for delete record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Update locked record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Access for update locked record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Access for open editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Table mapping</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Access for columns in table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/tavik/security/securityoptiontype.cpp" line="+33"/>
        <source>crud operations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/tavik/user/user.cpp" line="+24"/>
        <source>Use salary tariff</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../libmodel/src/model/tavik/user/usergroup.cpp" line="+62"/>
        <source>Use salary hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Use salaty tariff</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../libmodel/src/model/tavik/user/usergroup.cpp" line="+4"/>
        <source>User salary tariff</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Operators</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/tavik/user/usergroup.cpp" line="-6"/>
        <source>Show driver SOS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Write off balance at beginning month</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
