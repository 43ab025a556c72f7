<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <location filename="../../libmodel/src/model/base/abstractmodel.cpp" line="+27"/>
        <location filename="../../libmodel/src/model/base/shell/launcher.cpp" line="+10"/>
        <location filename="../../libmodel/src/model/base/shell/ownerkeeper.cpp" line="+10"/>
        <location filename="../../libmodel/src/model/base/shell/toolbar.cpp" line="+10"/>
        <source>Id</source>
        <translation>ID</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>User locked</source>
        <translation>Заблоковано користувачем</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Update time</source>
        <translation>Час змінення</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Insert time</source>
        <translation>Час створення</translation>
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
        <translation>Код</translation>
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
        <translation>Назва</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../libmodel/src/model/base/balance/balancetype.cpp" line="+1"/>
        <location filename="../../libmodel/src/model/base/group/group.cpp" line="+1"/>
        <location filename="../../libmodel/src/model/helper/securityoptiontexts.cpp" line="+6"/>
        <location filename="../../libmodel/src/model/orlem/rating/driverratingcoefficient.cpp" line="+4"/>
        <location filename="../../libmodel/src/model/tavik/card/cardgroup.cpp" line="+11"/>
        <source>Description</source>
        <translation>Опис</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/balance/balancelog.cpp" line="+14"/>
        <source>Sign of user created</source>
        <translation>Позивний автора</translation>
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
        <translation>Значення</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../libmodel/src/model/helper/balance.cpp" line="+11"/>
        <source>Balance</source>
        <translation>Баланс</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../libmodel/src/model/base/rating/driverratinglog.cpp" line="+18"/>
        <location filename="../../libmodel/src/model/base/session/guisession.cpp" line="+2"/>
        <location filename="../../libmodel/src/model/base/session/session.cpp" line="+23"/>
        <source>Note</source>
        <translation>Примітка</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Balance group</source>
        <translation>Група балансу</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Balance type</source>
        <translation>Тип балансу</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../libmodel/src/model/base/balance/ownerbalancetransfer.cpp" line="+13"/>
        <location filename="../../libmodel/src/model/base/payment/paymentsystempaymentslog.cpp" line="+18"/>
        <source>Transaction key</source>
        <translation>Ключ транзакції</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/balance/balancetype.cpp" line="-3"/>
        <location filename="../../libmodel/src/model/base/balance/companybalancetype.cpp" line="+1"/>
        <location filename="../../libmodel/src/model/base/balance/driverbalancetype.cpp" line="+1"/>
        <source>Type operation</source>
        <translation>Тип операції</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/balance/balancetypeseed.cpp" line="+23"/>
        <location filename="../../libmodel/src/model/base/balance/companybalancetype.cpp" line="+17"/>
        <source>Debit</source>
        <translation>Дебет</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Credit</source>
        <translation>Кредит</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/balance/companybalancegroup.cpp" line="+26"/>
        <source>Refill driver balance</source>
        <translation>Поповнення балансу водія</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Refill company balance</source>
        <translation>Поповнення балансу компанії</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../libmodel/src/model/base/balance/driverbalancegroup.cpp" line="+27"/>
        <source>Order operation</source>
        <translation>Операція із замовленням</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../libmodel/src/model/orlem/balance/companybalancelog.cpp" line="+15"/>
        <location filename="../../libmodel/src/model/orlem/company/company.cpp" line="+20"/>
        <source>Lost profit</source>
        <translation>Упущена вигода</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver&apos;s monthly fee</source>
        <translation>Щомісячна плата водія</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../libmodel/src/model/base/balance/driverbalancegroup.cpp" line="+5"/>
        <source>Cashback</source>
        <translation>Кешбек</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../libmodel/src/model/base/balance/driverbalancegroup.cpp" line="+1"/>
        <source>Bonuses</source>
        <translation>Бонуси</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../libmodel/src/model/base/balance/driverbalancegroup.cpp" line="+1"/>
        <source>Compensation for failure P2P</source>
        <translation>Компенсація за невдалий P2P-переказ</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/balance/companybalancetype.cpp" line="+4"/>
        <location filename="../../libmodel/src/model/base/balance/driverbalancetype.cpp" line="+33"/>
        <source>Changing sum tip (debit)</source>
        <translation>Змінення суми чайових (дебет)</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../../libmodel/src/model/base/balance/driverbalancetype.cpp" line="+3"/>
        <source>Changing sum tip (credit)</source>
        <translation>Змінення суми чайових (кредит)</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/balance/driverbalancegroup.cpp" line="-8"/>
        <source>Refill balance by company</source>
        <translation>Поповнення балансу компанією</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Services</source>
        <translation>Послуги</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Transfers</source>
        <translation>Перекази</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Penalties</source>
        <translation>Штрафи</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Raise rating</source>
        <translation>Підвищення рейтингу</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/balance/driverbalancetype.cpp" line="-38"/>
        <source>Balance group name</source>
        <translation>Назва групи балансу</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Payment system (debit)</source>
        <translation>Платіжна система (дебет)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Payment system (credit)</source>
        <translation>Платіжна система (кредит)</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../../libmodel/src/model/orlem/balance/companybalancetype.cpp" line="+26"/>
        <source>Additional payment (debit)</source>
        <translation>Доплата (дебет)</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../libmodel/src/model/orlem/balance/companybalancetype.cpp" line="+2"/>
        <source>Additional payment (credit)</source>
        <translation>Доплата (кредит)</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../libmodel/src/model/orlem/balance/companybalancetype.cpp" line="+2"/>
        <source>Changing additional payment (debit)</source>
        <translation>Змінення доплати (дебет)</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../libmodel/src/model/orlem/balance/companybalancetype.cpp" line="+2"/>
        <source>Changing additional payment (credit)</source>
        <translation>Змінення доплати (кредит)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Rent of equipment (debit)</source>
        <translation>Оренда обладнання (дебет)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rent of equipment (credit)</source>
        <translation>Оренда обладнання (кредит)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Transfer to acceptor (debit)</source>
        <translation>Переказ отримувачу (дебет)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Transfer to acceptor (credit)</source>
        <translation>Переказ отримувачу (кредит)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Transfer from contributor (debit)</source>
        <translation>Переказ від відправника (дебет)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Transfer from contributor (credit)</source>
        <translation>Переказ від відправника (кредит)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Short distance (debit)</source>
        <translation>Коротка поїздка (дебет)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Short distance (credit)</source>
        <translation>Коротка поїздка (кредит)</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/balance/ownerbalancetransfer.cpp" line="-2"/>
        <source>Sign contributor</source>
        <translation>Позивний відправника</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sign acceptor</source>
        <translation>Позивний отримувача</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../libmodel/src/model/base/owner/owner.cpp" line="+11"/>
        <location filename="../../libmodel/src/model/base/payment/paymentsystem.cpp" line="+4"/>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Amount to credit</source>
        <translation>Сума до зарахування</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Amount to debit</source>
        <translation>Сума до списання</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Operation timeout</source>
        <translation>Тайм-аут операції</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Amount attempts</source>
        <translation>Кількість спроб</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Code completed</source>
        <translation>Код завершення</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../libmodel/src/model/base/payment/paymentsystempaymentslog.cpp" line="+4"/>
        <source>Is completed</source>
        <translation>Завершено</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/car/car.cpp" line="+17"/>
        <location filename="../../libmodel/src/model/base/company/company.cpp" line="-2"/>
        <location filename="../../libmodel/src/model/base/media/media.cpp" line="+13"/>
        <location filename="../../libmodel/src/model/base/payment/paymentsystem.cpp" line="-5"/>
        <location filename="../../libmodel/src/model/base/payment/paymentsystemaccountscompany.cpp" line="+11"/>
        <source>Uuid</source>
        <translation>UUID</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../libmodel/src/model/base/media/media.cpp" line="+1"/>
        <source>Approved</source>
        <translation>Схвалено</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../libmodel/src/model/base/rating/driverratinglog.cpp" line="-5"/>
        <source>Identifier</source>
        <translation>Ідентифікатор</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Year</source>
        <translation>Рік випуску</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Model</source>
        <translation>Модель</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Place amount</source>
        <translation>Кількість місць</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../libmodel/src/model/base/owner/owner.cpp" line="-2"/>
        <location filename="../../libmodel/src/model/base/payment/paymentsystempaymentslog.cpp" line="-7"/>
        <location filename="../../libmodel/src/model/base/session/session.cpp" line="-13"/>
        <location filename="../../libmodel/src/model/orlem/crash/crashreport.cpp" line="+12"/>
        <location filename="../../libmodel/src/model/tavik/rating/driverratinglog.cpp" line="+9"/>
        <source>Sign</source>
        <translation>Позивний</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../libmodel/src/model/base/driver/driver.cpp" line="+44"/>
        <source>Body type</source>
        <translation>Тип кузова</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../libmodel/src/model/base/driver/driver.cpp" line="+2"/>
        <source>Brand name</source>
        <translation>Марка</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../libmodel/src/model/base/driver/driver.cpp" line="+1"/>
        <source>Color name</source>
        <translation>Колір</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Body type code</source>
        <translation>Код типу кузова</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brand code</source>
        <translation>Код марки</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Color code</source>
        <translation>Код кольору</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../libmodel/src/model/base/driver/driver.cpp" line="+1"/>
        <source>Color RGB code</source>
        <translation>RGB-код кольору</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Selected</source>
        <translation>Вибрано</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/city/city.cpp" line="+1"/>
        <source>Coordinates</source>
        <translation>Координати</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/company/company.cpp" line="+6"/>
        <location filename="../../libmodel/src/model/base/driver/driver.cpp" line="-31"/>
        <location filename="../../libmodel/src/model/base/rating/driverratinglog.cpp" line="+2"/>
        <source>Rating</source>
        <translation>Рейтинг</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Description for driver</source>
        <translation>Опис для водія</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Personal info</source>
        <translation>Особисті дані</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Order coefficient</source>
        <translation>Коефіцієнт замовлень</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Order count threshold for coefficient</source>
        <translation>Поріг кількості замовлень для коефіцієнта</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Priority autoassign for brand car</source>
        <translation>Пріоритет автопризначення для марки автомобіля</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/driver/attributes/bodytype.cpp" line="+2"/>
        <location filename="../../libmodel/src/model/base/driver/attributes/carbrand.cpp" line="+1"/>
        <location filename="../../libmodel/src/model/base/driver/attributes/carcolor.cpp" line="+3"/>
        <source>Order index</source>
        <translation>Порядок сортування</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Sedan</source>
        <translation>Седан</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Hatchback</source>
        <translation>Хетчбек</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Suv</source>
        <translation>Позашляховик</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Universal</source>
        <translation>Універсал</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Coupe</source>
        <translation>Купе</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Minibus</source>
        <translation>Мікроавтобус</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pickup</source>
        <translation>Пікап</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Limousine</source>
        <translation>Лімузин</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Van</source>
        <translation>Фургон</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cabriolet</source>
        <translation>Кабріолет</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/driver/attributes/carcolor.cpp" line="-1"/>
        <source>RGB Code</source>
        <translation>RGB-код</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Black</source>
        <translation>Чорний</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>White</source>
        <translation>Білий</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Silver</source>
        <translation>Сріблястий</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gray</source>
        <translation>Сірий</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blue</source>
        <translation>Синій</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Red</source>
        <translation>Червоний</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Green</source>
        <translation>Зелений</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brown</source>
        <translation>Коричневий</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Beige</source>
        <translation>Бежевий</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Light blue</source>
        <translation>Блакитний</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gold</source>
        <translation>Золотистий</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Purple</source>
        <translation>Фіолетовий</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yellow</source>
        <translation>Жовтий</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Orange</source>
        <translation>Помаранчевий</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pink</source>
        <translation>Рожевий</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/driver/driver.cpp" line="-6"/>
        <location filename="../../libmodel/src/model/base/user/user.cpp" line="+32"/>
        <location filename="../../libmodel/src/model/orlem/crash/crashreport.cpp" line="+1"/>
        <source>First name</source>
        <translation>Ім&apos;я</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../libmodel/src/model/base/user/user.cpp" line="+1"/>
        <location filename="../../libmodel/src/model/orlem/crash/crashreport.cpp" line="+1"/>
        <source>Middle name</source>
        <translation>По батькові</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../libmodel/src/model/base/user/user.cpp" line="+1"/>
        <location filename="../../libmodel/src/model/orlem/crash/crashreport.cpp" line="+1"/>
        <source>Last name</source>
        <translation>Прізвище</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Is archived</source>
        <translation>В архіві</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../libmodel/src/model/base/user/user.cpp" line="+2"/>
        <source>Phone</source>
        <translation>Телефон</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Secondary phone</source>
        <translation>Додатковий телефон</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Availabe bank cards</source>
        <translation>Доступні банківські картки</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Use bank card</source>
        <translation>Використовувати банківську картку</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Override duty amount</source>
        <translation>Перевизначити вартість чергування</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Duty amount</source>
        <translation>Вартість чергування</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Override temporary duty amount</source>
        <translation>Перевизначити тимчасову вартість чергування</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Temporary duty amount</source>
        <translation>Тимчасова вартість чергування</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Identification code</source>
        <translation>Ідентифікаційний код</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Car identifier</source>
        <translation>Ідентифікатор автомобіля</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Car model</source>
        <translation>Модель автомобіля</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Car year</source>
        <translation>Рік випуску автомобіля</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Car place amount</source>
        <translation>Кількість місць в автомобілі</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/media/media.cpp" line="-3"/>
        <source>Tag</source>
        <translation>Тег</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Data</source>
        <translation>Дані</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/notification/notification.cpp" line="-3"/>
        <source>Readed</source>
        <translation>Прочитано</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../libmodel/src/model/base/notification/notificationmessage.cpp" line="-1"/>
        <source>Context</source>
        <translation>Контекст</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../libmodel/src/model/base/notification/notificationmessage.cpp" line="+2"/>
        <source>Completed</source>
        <translation>Виконано</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/notification/notificationtype.cpp" line="-3"/>
        <location filename="../../libmodel/src/model/base/paidservice/paidserviceofowner.cpp" line="+11"/>
        <location filename="../../libmodel/src/model/base/paidservice/paidservicetype4owner.cpp" line="+2"/>
        <location filename="../../libmodel/src/model/base/payment/paymentsystem.cpp" line="+3"/>
        <location filename="../../libmodel/src/model/base/payment/paymentsystemaccountscompany.cpp" line="+3"/>
        <source>Enabled</source>
        <translation>Увімкнено</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Groups</source>
        <translation>Групи</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../libmodel/src/model/tavik/security/controllernames.cpp" line="+106"/>
        <source>Users</source>
        <translation>Користувачі</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/owner/owner.cpp" line="+3"/>
        <source>Blocked</source>
        <translation>Заблоковано</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pass checking new version</source>
        <translation>Пропускати перевірку нової версії</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../libmodel/src/model/base/paidservice/paidservicetype4owner.cpp" line="+1"/>
        <location filename="../../libmodel/src/model/base/payment/paymentsystemaccountscompany.cpp" line="+19"/>
        <source>Inner note</source>
        <translation>Внутрішня примітка</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/paidservice/paidservicetype4owner.cpp" line="-2"/>
        <source>Price</source>
        <translation>Ціна</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/payment/paymentsystem.cpp" line="+1"/>
        <source>Login</source>
        <translation>Логін</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Credit key</source>
        <translation>Ключ зарахування</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Incoming commiss</source>
        <translation>Вхідна комісія</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Outgoing commiss</source>
        <translation>Вихідна комісія</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>API URL</source>
        <translation>URL API</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>HTTP checkout address</source>
        <translation>HTTP-адреса оплати</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>URL for status track</source>
        <translation>URL відстеження статусу</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>URL after pay</source>
        <translation>URL після оплати</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/payment/paymentsystemaccountscompany.cpp" line="-21"/>
        <source>Public key</source>
        <translation>Відкритий ключ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Private key</source>
        <translation>Закритий ключ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Currency</source>
        <translation>Валюта</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Weight</source>
        <translation>Вага</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Relative fee of payment system</source>
        <translation>Відносна комісія платіжної системи</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Absolute fee of payment system</source>
        <translation>Абсолютна комісія платіжної системи</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Relative fee of Koriv</source>
        <translation>Відносна комісія Koriv</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Absolute fee of Koriv</source>
        <translation>Абсолютна комісія Koriv</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Default payment value</source>
        <translation>Сума платежу за замовчуванням</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Client language</source>
        <translation>Мова клієнта</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save client data</source>
        <translation>Зберігати дані клієнта</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sandbox mode</source>
        <translation>Тестовий режим</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Payee</source>
        <translation>Одержувач платежу</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bank</source>
        <translation>Банк</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EDRPOU</source>
        <translation>ЄДРПОУ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MFO</source>
        <translation>МФО</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Account</source>
        <translation>Розрахунковий рахунок</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Payment details</source>
        <translation>Призначення платежу</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NDS</source>
        <translation>ПДВ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Subprovider Id</source>
        <translation>ID субпровайдера</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/payment/paymentsystempaymentslog.cpp" line="+1"/>
        <source>Amount</source>
        <translation>Сума</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>External pay id</source>
        <translation>Зовнішній ID платежу</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>data</source>
        <translation>дані</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Response</source>
        <translation>Відповідь</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Is successfully</source>
        <translation>Успішно</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Expired date</source>
        <translation>Термін дії</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Last status check</source>
        <translation>Остання перевірка статусу</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../libmodel/src/model/base/rating/driverratinglog.cpp" line="-6"/>
        <location filename="../../libmodel/src/model/orlem/paidservice/paidservicetype4driver.cpp" line="+12"/>
        <location filename="../../libmodel/src/model/tavik/card/cardgroup.cpp" line="+1"/>
        <location line="+2"/>
        <source>Company</source>
        <translation>Компанія</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Payment system</source>
        <translation>Платіжна система</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/rating/driverratinglog.cpp" line="+7"/>
        <source>Average rating</source>
        <translation>Середній рейтинг</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delta</source>
        <translation>Зміна</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../libmodel/src/model/base/user/user.cpp" line="+1"/>
        <location filename="../../libmodel/src/model/base/user/usergroup.cpp" line="-1"/>
        <location filename="../../libmodel/src/model/orlem/company/company.cpp" line="+6"/>
        <source>Is system</source>
        <translation>Системний</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/security/usersecurityoption.cpp" line="+1"/>
        <source>Is using</source>
        <translation>Використовується</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/session/guisession.cpp" line="-1"/>
        <location line="+3"/>
        <source>Auto save</source>
        <translation>Автозбереження</translation>
    </message>
    <message>
        <location line="-1"/>
        <location line="+2"/>
        <source>Is default</source>
        <translation>За замовчуванням</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/session/session.cpp" line="+1"/>
        <source>Start date</source>
        <translation>Дата початку</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>End date</source>
        <translation>Дата закінчення</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Duration</source>
        <translation>Тривалість</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Version</source>
        <translation>Версія</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OS name</source>
        <translation>Операційна система</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Build ABI</source>
        <translation>ABI збірки</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Last sync time</source>
        <translation>Час останньої синхронізації</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+2"/>
        <source>Close type</source>
        <translation>Тип закриття</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/session/usersession.cpp" line="+11"/>
        <location filename="../../libmodel/src/model/base/user/user.cpp" line="+2"/>
        <location filename="../../libmodel/src/model/orlem/driver/driver.cpp" line="+63"/>
        <location filename="../../libmodel/src/model/orlem/session/driversession.cpp" line="+12"/>
        <source>Group</source>
        <translation>Група</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/sms/sms.cpp" line="+2"/>
        <source>Use</source>
        <translation>Використовувати</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/user/user.cpp" line="-4"/>
        <source>Max sim calls</source>
        <translation>Макс. одночасних дзвінків</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Admin</source>
        <translation>Адміністратор</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/user/usergroup.cpp" line="+12"/>
        <source>Admins</source>
        <translation>Адміністратори</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/helper/clientsideendsession.cpp" line="+11"/>
        <location line="+3"/>
        <source>Use end session</source>
        <translation>Використовувати завершення сеансу</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>End session timeout (client side)</source>
        <translation>Тайм-аут завершення сеансу (на боці клієнта)</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/helper/driveradditionalpayment.cpp" line="+15"/>
        <location filename="../../libmodel/src/model/helper/driverdistancepenalty.cpp" line="+14"/>
        <source>Override group</source>
        <translation>Перевизначити значення групи</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/helper/drivercoords.cpp" line="+16"/>
        <source>Latitude</source>
        <translation>Широта</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Longitude</source>
        <translation>Довгота</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Altitude</source>
        <translation>Висота</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/helper/drivergroupadditionalpayment.cpp" line="+12"/>
        <source>Enable additional payment</source>
        <translation>Увімкнути доплату</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Percent</source>
        <translation>Відсоток</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Absolute values</source>
        <translation>Абсолютні значення</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/helper/drivergroupdistancepenalty.cpp" line="+12"/>
        <source>Enable distance penalty</source>
        <translation>Увімкнути штраф за відстань</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Distance penalty</source>
        <translation>Штраф за відстань</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel per day</source>
        <translation>Скасувань на день</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/helper/groupbalance.cpp" line="+12"/>
        <source>Enable low balance</source>
        <translation>Увімкнути поріг низького балансу</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Low balance</source>
        <translation>Поріг низького балансу</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/helper/groupenableselectduty.cpp" line="+11"/>
        <source>Enable select duty</source>
        <translation>Дозволити вибір чергування</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/helper/ownerbalance.cpp" line="+14"/>
        <source>Override group low balance</source>
        <translation>Перевизначити поріг низького балансу групи</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/helper/ownerclientsideendsession.cpp" line="+12"/>
        <source>Override group value of use end session monitor</source>
        <translation>Перевизначити значення групи для контролю завершення сеансу</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/helper/ownerenableselectduty.cpp" line="+14"/>
        <source>Override group enable select duty</source>
        <translation>Перевизначити значення групи для вибору чергування</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/helper/salaryswitches.cpp" line="+16"/>
        <source>Use order created</source>
        <translation>Враховувати створені замовлення</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use order driver assign manual</source>
        <translation>Враховувати ручне призначення водія</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use order cashless card assign</source>
        <translation>Враховувати прив&apos;язку банківської картки до замовлення</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use client notity manual</source>
        <translation>Враховувати ручне сповіщення клієнта</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use order canceled</source>
        <translation>Враховувати скасовані замовлення</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use order completed confirm</source>
        <translation>Враховувати підтвердження виконання замовлення</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use salary incoming calls</source>
        <translation>Враховувати вхідні дзвінки</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use salary outgoing calls</source>
        <translation>Враховувати вихідні дзвінки</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/helper/sex.cpp" line="+11"/>
        <source>Sex</source>
        <translation>Стать</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/helper/useutcoffset.cpp" line="+11"/>
        <location line="+1"/>
        <source>Use UTC offset</source>
        <translation>Використовувати зміщення UTC</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/helper/utcoffset.cpp" line="+14"/>
        <source>UTC offset</source>
        <translation>Зміщення UTC</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/orlem/balance/companybalancegroup.cpp" line="+21"/>
        <source>Driver&apos;s operations</source>
        <translation>Операції водія</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Raise driver rating</source>
        <translation>Підвищення рейтингу водія</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/orlem/balance/companybalancetype.cpp" line="+1"/>
        <source>Driver&apos;s penalties (debit)</source>
        <translation>Штрафи водія (дебет)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Driver&apos;s penalties (credit)</source>
        <translation>Штрафи водія (кредит)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver&apos;s services (debit)</source>
        <translation>Послуги водія (дебет)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Driver&apos;s services (credit)</source>
        <translation>Послуги водія (кредит)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Driver&apos;s transfers (debit)</source>
        <translation>Перекази водія (дебет)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Driver&apos;s transfers (credit)</source>
        <translation>Перекази водія (кредит)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Removed drivers (debit)</source>
        <translation>Видалені водії (дебет)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Removed drivers (credit)</source>
        <translation>Видалені водії (кредит)</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/orlem/company/company.cpp" line="+21"/>
        <source>System company</source>
        <translation>Системна компанія</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/orlem/driver/driver.cpp" line="-43"/>
        <source>System note</source>
        <translation>Системна примітка</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+45"/>
        <source>Status</source>
        <translation>Статус</translation>
    </message>
    <message>
        <location line="-44"/>
        <source>Is moving</source>
        <translation>У русі</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Speed</source>
        <translation>Швидкість</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Course</source>
        <translation>Курс</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Horizontal accuracy</source>
        <translation>Точність по горизонталі</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vertical accuracy</source>
        <translation>Точність по вертикалі</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Update coordinates time</source>
        <translation>Час оновлення координат</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Update status time</source>
        <translation>Час оновлення статусу</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Is deleted</source>
        <translation>Видалено</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete time</source>
        <translation>Час видалення</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Last update of common info</source>
        <translation>Остання зміна загальних даних</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rating count</source>
        <translation>Кількість оцінок</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Recommender</source>
        <translation>Рекомендувач</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Completed order sequence</source>
        <translation>Серія виконаних замовлень</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Canceled order sequence</source>
        <translation>Серія скасованих замовлень</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Canceled booking order sequence</source>
        <translation>Серія скасованих попередніх замовлень</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Busy time</source>
        <translation>Час зайнятості</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Free time</source>
        <translation>Час простою</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Begin shift time</source>
        <translation>Час початку зміни</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Expected complete shift time</source>
        <translation>Очікуваний час закінчення зміни</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Complete shift time</source>
        <translation>Час закінчення зміни</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Automatic archiving</source>
        <translation>Автоматична архівація</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Order receiving priority</source>
        <translation>Пріоритет отримання замовлень</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>City</source>
        <translation>Місто</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Car company</source>
        <translation>Компанія автомобіля</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/orlem/rating/driverratingcoefficient.cpp" line="-1"/>
        <source>Sequence</source>
        <translation>Серія</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Completed orders</source>
        <translation>Виконані замовлення</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>For in sequence completed orders</source>
        <translation>За серію виконаних замовлень</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Canceled orders</source>
        <translation>Скасовані замовлення</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>For in sequence canceled orders</source>
        <translation>За серію скасованих замовлень</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Canceled booking orders</source>
        <translation>Скасовані попередні замовлення</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>For in sequence canceled booking orders</source>
        <translation>За серію скасованих попередніх замовлень</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Append bank card</source>
        <translation>Додавання банківської картки</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove bank card</source>
        <translation>Видалення банківської картки</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/tavik/balance/cardbalancelog.cpp" line="+13"/>
        <source>Group:Type</source>
        <translation>Група:Тип</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/tavik/card/cardgroup.cpp" line="-4"/>
        <source>Serie</source>
        <translation>Серія</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/tavik/security/controllernames.cpp" line="-94"/>
        <source>User group security options</source>
        <translation>Права груп користувачів</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User security options</source>
        <translation>Права користувачів</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Active calls</source>
        <translation>Активні дзвінки</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Addresses</source>
        <translation>Адреси</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Asterisk servers</source>
        <translation>Сервери Asterisk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cards</source>
        <translation>Картки</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Card groups</source>
        <translation>Групи карток</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Card balance groups</source>
        <translation>Групи балансу карток</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Card balance types</source>
        <translation>Типи балансу карток</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Card balance logs</source>
        <translation>Журнал балансу карток</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chat groups</source>
        <translation>Групи чатів</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chat access</source>
        <translation>Доступ до чатів</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chat admins</source>
        <translation>Адміністратори чатів</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chats</source>
        <translation>Чати</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Call detail records</source>
        <translation>Деталізація дзвінків (CDR)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cities</source>
        <translation>Міста</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clients</source>
        <translation>Клієнти</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Client groups</source>
        <translation>Групи клієнтів</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Client balance groups</source>
        <translation>Групи балансу клієнтів</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Client balance types</source>
        <translation>Типи балансу клієнтів</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Client balance logs</source>
        <translation>Журнал балансу клієнтів</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Client group outgoing notify calls</source>
        <translation>Вихідні дзвінки-сповіщення груп клієнтів</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Client bonuses</source>
        <translation>Бонуси клієнтів</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Client bonus logs</source>
        <translation>Журнал бонусів клієнтів</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Client rating</source>
        <translation>Рейтинг клієнтів</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Client rating logs</source>
        <translation>Журнал рейтингу клієнтів</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Companies</source>
        <translation>Компанії</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Company balance groups</source>
        <translation>Групи балансу компаній</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Company balance types</source>
        <translation>Типи балансу компаній</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Company balance logs</source>
        <translation>Журнал балансу компаній</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Company caller IDs</source>
        <translation>Номери Caller ID компаній</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Company cars</source>
        <translation>Автомобілі компаній</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cash terminal statistics</source>
        <translation>Статистика платіжних терміналів</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cars</source>
        <translation>Автомобілі</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Car brands</source>
        <translation>Марки автомобілів</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Car colors</source>
        <translation>Кольори автомобілів</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Car body types</source>
        <translation>Типи кузова</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drivers</source>
        <translation>Водії</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver groups</source>
        <translation>Групи водіїв</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver tariff groups</source>
        <translation>Групи тарифів водіїв</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver tariffs</source>
        <translation>Тарифи водіїв</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver refill balance logs</source>
        <translation>Журнал поповнень балансу водіїв</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver tariff connections</source>
        <translation>Підключення водіїв до тарифів</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver rating logs</source>
        <translation>Журнал рейтингу водіїв</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver shifts</source>
        <translation>Зміни водіїв</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver duty groups</source>
        <translation>Групи чергувань водіїв</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver duty calendar</source>
        <translation>Календар чергувань водіїв</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver duty selection</source>
        <translation>Вибір чергувань водіями</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver archive</source>
        <translation>Архів водіїв</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver balance groups</source>
        <translation>Групи балансу водіїв</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver balance types</source>
        <translation>Типи балансу водіїв</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver balance logs</source>
        <translation>Журнал балансу водіїв</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Types of driver invoices</source>
        <translation>Типи рахунків водіїв</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invoices of drivers</source>
        <translation>Рахунки водіїв</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Encash terminals</source>
        <translation>Інкасація терміналів</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fondy status logs</source>
        <translation>Журнал статусів Fondy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Media</source>
        <translation>Медіафайли</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Notifications</source>
        <translation>Сповіщення</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Notification types</source>
        <translation>Типи сповіщень</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Notification messages</source>
        <translation>Повідомлення сповіщень</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Orders</source>
        <translation>Замовлення</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order first tariffs</source>
        <translation>Тарифи замовлень (перша частина)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order second tariffs</source>
        <translation>Тарифи замовлень (друга частина)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order tariff zones</source>
        <translation>Тарифні зони замовлень</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order zones</source>
        <translation>Зони замовлень</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order completed</source>
        <translation>Виконані замовлення</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order incompleted</source>
        <translation>Невиконані замовлення</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order way points</source>
        <translation>Точки маршруту замовлень</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order completed types</source>
        <translation>Типи виконання замовлень</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order completed logs</source>
        <translation>Журнал виконання замовлень</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order status logs</source>
        <translation>Журнал статусів замовлень</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order messages</source>
        <translation>Повідомлення замовлень</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order tariff zone amounts</source>
        <translation>Суми за тарифними зонами замовлень</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order services</source>
        <translation>Послуги замовлень</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order sum tips</source>
        <translation>Чайові за замовленнями</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order statistics</source>
        <translation>Статистика замовлень</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order autoassign logs</source>
        <translation>Журнал автопризначення замовлень</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Outgoing calls for company (SIP accounts)</source>
        <translation>Вихідні дзвінки компаній (SIP-акаунти)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Payment systems</source>
        <translation>Платіжні системи</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Payment systems account of company</source>
        <translation>Рахунки платіжних систем компаній</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Streets</source>
        <translation>Вулиці</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Schedule of tariffs</source>
        <translation>Розклад тарифів</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Set of schedules of tariffs</source>
        <translation>Набори розкладів тарифів</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Street types</source>
        <translation>Типи вулиць</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tariffs</source>
        <translation>Тарифи</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tariffs (second)</source>
        <translation>Тарифи (друга частина)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tariffs of zones</source>
        <translation>Тарифи зон</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tariff shedule rules</source>
        <translation>Правила розкладу тарифів</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Track of order</source>
        <translation>Трек замовлення</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Global servers</source>
        <translation>Глобальні сервери</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sms</source>
        <translation>SMS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sms companies</source>
        <translation>SMS компаній</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sms bulk</source>
        <translation>Масова розсилка SMS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User SIP accounts</source>
        <translation>SIP-акаунти користувачів</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>User balance groups</source>
        <translation>Групи балансу користувачів</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User balance types</source>
        <translation>Типи балансу користувачів</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User balance logs</source>
        <translation>Журнал балансу користувачів</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User groups</source>
        <translation>Групи користувачів</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User salary tariffs</source>
        <translation>Тарифи зарплати користувачів</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User sessions</source>
        <translation>Сеанси користувачів</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User GUI sessions</source>
        <translation>Сеанси інтерфейсу користувачів</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User objects settings</source>
        <translation>Налаштування об&apos;єктів користувачів</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <source>User&apos;s duty types</source>
        <translation>Типи чергувань користувачів</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>User&apos;s planing duty journal</source>
        <translation>Журнал планування чергувань користувачів</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zones</source>
        <translation>Зони</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Consolidated company report</source>
        <translation>Зведений звіт про компанії</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Individual user balance report</source>
        <translation>Індивідуальний звіт про баланс користувача</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Consolidated user balance report</source>
        <translation>Зведений звіт про баланси користувачів</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User session report</source>
        <translation>Звіт про сеанси користувача</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User transactions report</source>
        <translation>Звіт про транзакції користувача</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Individual user salary report</source>
        <translation>Індивідуальний звіт про зарплату користувача</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Consolidated user salary report</source>
        <translation>Зведений звіт про зарплату користувачів</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Consolidated user calls report</source>
        <translation>Зведений звіт про дзвінки користувачів</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Consolidated user duties report</source>
        <translation>Зведений звіт про чергування користувачів</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Individual card group report</source>
        <translation>Індивідуальний звіт про групу карток</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Individual card group balance report</source>
        <translation>Індивідуальний звіт про баланс групи карток</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Missed calls report</source>
        <translation>Звіт про пропущені дзвінки</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/tavik/security/securityoption.cpp" line="+28"/>
        <source>Create record</source>
        <translation>Створення запису</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Access for create new record</source>
        <translation>Доступ до створення нового запису</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Update record</source>
        <translation>Змінення запису</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Access for update new record</source>
        <translation>Доступ до змінення запису</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read record</source>
        <translation>Читання запису</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Access for read one record</source>
        <translation>Доступ до читання одного запису</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Duplicate record</source>
        <translation>Дублювання запису</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Access for duplicate record</source>
        <translation>Доступ до дублювання запису</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete record</source>
        <translation>Видалення запису</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Access for delete record</source>
        <translation>Доступ до видалення запису</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Update locked record</source>
        <translation>Змінення заблокованого запису</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Access for update locked record</source>
        <translation>Доступ до змінення заблокованого запису</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open editor</source>
        <translation>Відкриття редактора</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Access for open editor</source>
        <translation>Доступ до відкриття редактора</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Table mapping</source>
        <translation>Стовпці таблиці</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Access for columns in table</source>
        <translation>Доступ до стовпців таблиці</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/tavik/security/securityoptiontype.cpp" line="+33"/>
        <source>crud operations</source>
        <translation>операції CRUD</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/tavik/user/user.cpp" line="+24"/>
        <source>Use salary tariff</source>
        <translation>Використовувати тариф зарплати</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../libmodel/src/model/tavik/user/usergroup.cpp" line="+62"/>
        <source>Use salary hour</source>
        <translation>Використовувати погодинну оплату</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Use salaty tariff</source>
        <translation>Використовувати тариф зарплати</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../libmodel/src/model/tavik/user/usergroup.cpp" line="+4"/>
        <source>User salary tariff</source>
        <translation>Тариф зарплати користувача</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Operators</source>
        <translation>Оператори</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/tavik/user/usergroup.cpp" line="-6"/>
        <source>Show driver SOS</source>
        <translation>Показувати SOS водіїв</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Write off balance at beginning month</source>
        <translation>Списувати баланс на початку місяця</translation>
    </message>
</context>
</TS>
