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
        <translation>ID</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>User locked</source>
        <translation>Заблокировано пользователем</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Update time</source>
        <translation>Время изменения</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Insert time</source>
        <translation>Время создания</translation>
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
        <translation>Название</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../libmodel/src/model/base/balance/balancetype.cpp" line="+1"/>
        <location filename="../../libmodel/src/model/base/group/group.cpp" line="+1"/>
        <location filename="../../libmodel/src/model/helper/securityoptiontexts.cpp" line="+6"/>
        <location filename="../../libmodel/src/model/orlem/rating/driverratingcoefficient.cpp" line="+4"/>
        <location filename="../../libmodel/src/model/tavik/card/cardgroup.cpp" line="+11"/>
        <source>Description</source>
        <translation>Описание</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/balance/balancelog.cpp" line="+14"/>
        <source>Sign of user created</source>
        <translation>Позывной автора</translation>
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
        <translation>Значение</translation>
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
        <translation>Примечание</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Balance group</source>
        <translation>Группа баланса</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Balance type</source>
        <translation>Тип баланса</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../libmodel/src/model/base/balance/ownerbalancetransfer.cpp" line="+13"/>
        <location filename="../../libmodel/src/model/base/payment/paymentsystempaymentslog.cpp" line="+18"/>
        <source>Transaction key</source>
        <translation>Ключ транзакции</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/balance/balancetype.cpp" line="-3"/>
        <location filename="../../libmodel/src/model/base/balance/companybalancetype.cpp" line="+1"/>
        <location filename="../../libmodel/src/model/base/balance/driverbalancetype.cpp" line="+1"/>
        <source>Type operation</source>
        <translation>Тип операции</translation>
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
        <translation>Пополнение баланса водителя</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Refill company balance</source>
        <translation>Пополнение баланса компании</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../libmodel/src/model/base/balance/driverbalancegroup.cpp" line="+27"/>
        <source>Order operation</source>
        <translation>Операция по заказу</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../libmodel/src/model/orlem/balance/companybalancelog.cpp" line="+15"/>
        <location filename="../../libmodel/src/model/orlem/company/company.cpp" line="+20"/>
        <source>Lost profit</source>
        <translation>Упущенная выгода</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver&apos;s monthly fee</source>
        <translation>Ежемесячная плата водителя</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../libmodel/src/model/base/balance/driverbalancegroup.cpp" line="+5"/>
        <source>Cashback</source>
        <translation>Кешбэк</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../libmodel/src/model/base/balance/driverbalancegroup.cpp" line="+1"/>
        <source>Bonuses</source>
        <translation>Бонусы</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../libmodel/src/model/base/balance/driverbalancegroup.cpp" line="+1"/>
        <source>Compensation for failure P2P</source>
        <translation>Компенсация за неудачный P2P-перевод</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/balance/companybalancetype.cpp" line="+4"/>
        <location filename="../../libmodel/src/model/base/balance/driverbalancetype.cpp" line="+33"/>
        <source>Changing sum tip (debit)</source>
        <translation>Изменение суммы чаевых (дебет)</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../../libmodel/src/model/base/balance/driverbalancetype.cpp" line="+3"/>
        <source>Changing sum tip (credit)</source>
        <translation>Изменение суммы чаевых (кредит)</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/balance/driverbalancegroup.cpp" line="-8"/>
        <source>Refill balance by company</source>
        <translation>Пополнение баланса компанией</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Services</source>
        <translation>Услуги</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Transfers</source>
        <translation>Переводы</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Penalties</source>
        <translation>Штрафы</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Raise rating</source>
        <translation>Повышение рейтинга</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/balance/driverbalancetype.cpp" line="-38"/>
        <source>Balance group name</source>
        <translation>Название группы баланса</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Payment system (debit)</source>
        <translation>Платежная система (дебет)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Payment system (credit)</source>
        <translation>Платежная система (кредит)</translation>
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
        <translation>Изменение доплаты (дебет)</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../libmodel/src/model/orlem/balance/companybalancetype.cpp" line="+2"/>
        <source>Changing additional payment (credit)</source>
        <translation>Изменение доплаты (кредит)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Rent of equipment (debit)</source>
        <translation>Аренда оборудования (дебет)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rent of equipment (credit)</source>
        <translation>Аренда оборудования (кредит)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Transfer to acceptor (debit)</source>
        <translation>Перевод получателю (дебет)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Transfer to acceptor (credit)</source>
        <translation>Перевод получателю (кредит)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Transfer from contributor (debit)</source>
        <translation>Перевод от отправителя (дебет)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Transfer from contributor (credit)</source>
        <translation>Перевод от отправителя (кредит)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Short distance (debit)</source>
        <translation>Короткая поездка (дебет)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Short distance (credit)</source>
        <translation>Короткая поездка (кредит)</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/balance/ownerbalancetransfer.cpp" line="-2"/>
        <source>Sign contributor</source>
        <translation>Позывной отправителя</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sign acceptor</source>
        <translation>Позывной получателя</translation>
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
        <translation>Сумма к зачислению</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Amount to debit</source>
        <translation>Сумма к списанию</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Operation timeout</source>
        <translation>Тайм-аут операции</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Amount attempts</source>
        <translation>Количество попыток</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Code completed</source>
        <translation>Код завершения</translation>
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
        <translation>Одобрено</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../libmodel/src/model/base/rating/driverratinglog.cpp" line="-5"/>
        <source>Identifier</source>
        <translation>Идентификатор</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Year</source>
        <translation>Год выпуска</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Model</source>
        <translation>Модель</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Place amount</source>
        <translation>Количество мест</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../libmodel/src/model/base/owner/owner.cpp" line="-2"/>
        <location filename="../../libmodel/src/model/base/payment/paymentsystempaymentslog.cpp" line="-7"/>
        <location filename="../../libmodel/src/model/base/session/session.cpp" line="-13"/>
        <location filename="../../libmodel/src/model/orlem/crash/crashreport.cpp" line="+12"/>
        <location filename="../../libmodel/src/model/tavik/rating/driverratinglog.cpp" line="+9"/>
        <source>Sign</source>
        <translation>Позывной</translation>
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
        <translation>Цвет</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Body type code</source>
        <translation>Код типа кузова</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brand code</source>
        <translation>Код марки</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Color code</source>
        <translation>Код цвета</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../libmodel/src/model/base/driver/driver.cpp" line="+1"/>
        <source>Color RGB code</source>
        <translation>RGB-код цвета</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Selected</source>
        <translation>Выбран</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/city/city.cpp" line="+1"/>
        <source>Coordinates</source>
        <translation>Координаты</translation>
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
        <translation>Описание для водителя</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Personal info</source>
        <translation>Личные данные</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Order coefficient</source>
        <translation>Коэффициент заказов</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Order count threshold for coefficient</source>
        <translation>Порог количества заказов для коэффициента</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Priority autoassign for brand car</source>
        <translation>Приоритет автоназначения для марки автомобиля</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/driver/attributes/bodytype.cpp" line="+2"/>
        <location filename="../../libmodel/src/model/base/driver/attributes/carbrand.cpp" line="+1"/>
        <location filename="../../libmodel/src/model/base/driver/attributes/carcolor.cpp" line="+3"/>
        <source>Order index</source>
        <translation>Порядок сортировки</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Sedan</source>
        <translation>Седан</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Hatchback</source>
        <translation>Хэтчбек</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Suv</source>
        <translation>Внедорожник</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Universal</source>
        <translation>Универсал</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Coupe</source>
        <translation>Купе</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Minibus</source>
        <translation>Микроавтобус</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pickup</source>
        <translation>Пикап</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Limousine</source>
        <translation>Лимузин</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Van</source>
        <translation>Фургон</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cabriolet</source>
        <translation>Кабриолет</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/driver/attributes/carcolor.cpp" line="-1"/>
        <source>RGB Code</source>
        <translation>RGB-код</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Black</source>
        <translation>Черный</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>White</source>
        <translation>Белый</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Silver</source>
        <translation>Серебристый</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gray</source>
        <translation>Серый</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blue</source>
        <translation>Синий</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Red</source>
        <translation>Красный</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Green</source>
        <translation>Зеленый</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brown</source>
        <translation>Коричневый</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Beige</source>
        <translation>Бежевый</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Light blue</source>
        <translation>Голубой</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gold</source>
        <translation>Золотистый</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Purple</source>
        <translation>Фиолетовый</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yellow</source>
        <translation>Желтый</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Orange</source>
        <translation>Оранжевый</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pink</source>
        <translation>Розовый</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/driver/driver.cpp" line="-6"/>
        <location filename="../../libmodel/src/model/base/user/user.cpp" line="+32"/>
        <location filename="../../libmodel/src/model/orlem/crash/crashreport.cpp" line="+1"/>
        <source>First name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../libmodel/src/model/base/user/user.cpp" line="+1"/>
        <location filename="../../libmodel/src/model/orlem/crash/crashreport.cpp" line="+1"/>
        <source>Middle name</source>
        <translation>Отчество</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../libmodel/src/model/base/user/user.cpp" line="+1"/>
        <location filename="../../libmodel/src/model/orlem/crash/crashreport.cpp" line="+1"/>
        <source>Last name</source>
        <translation>Фамилия</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Is archived</source>
        <translation>В архиве</translation>
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
        <translation>Дополнительный телефон</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Availabe bank cards</source>
        <translation>Доступные банковские карты</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Use bank card</source>
        <translation>Использовать банковскую карту</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Override duty amount</source>
        <translation>Переопределить стоимость дежурства</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Duty amount</source>
        <translation>Стоимость дежурства</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Override temporary duty amount</source>
        <translation>Переопределить временную стоимость дежурства</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Temporary duty amount</source>
        <translation>Временная стоимость дежурства</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Identification code</source>
        <translation>Идентификационный код</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Car identifier</source>
        <translation>Идентификатор автомобиля</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Car model</source>
        <translation>Модель автомобиля</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Car year</source>
        <translation>Год выпуска автомобиля</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Car place amount</source>
        <translation>Количество мест в автомобиле</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/media/media.cpp" line="-3"/>
        <source>Tag</source>
        <translation>Тег</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Data</source>
        <translation>Данные</translation>
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
        <translation>Выполнено</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/notification/notificationtype.cpp" line="-3"/>
        <location filename="../../libmodel/src/model/base/paidservice/paidserviceofowner.cpp" line="+11"/>
        <location filename="../../libmodel/src/model/base/paidservice/paidservicetype4owner.cpp" line="+2"/>
        <location filename="../../libmodel/src/model/base/payment/paymentsystem.cpp" line="+3"/>
        <location filename="../../libmodel/src/model/base/payment/paymentsystemaccountscompany.cpp" line="+3"/>
        <source>Enabled</source>
        <translation>Включено</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Groups</source>
        <translation>Группы</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../libmodel/src/model/tavik/security/controllernames.cpp" line="+106"/>
        <source>Users</source>
        <translation>Пользователи</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/owner/owner.cpp" line="+3"/>
        <source>Blocked</source>
        <translation>Заблокирован</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pass checking new version</source>
        <translation>Пропускать проверку новой версии</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../libmodel/src/model/base/paidservice/paidservicetype4owner.cpp" line="+1"/>
        <location filename="../../libmodel/src/model/base/payment/paymentsystemaccountscompany.cpp" line="+19"/>
        <source>Inner note</source>
        <translation>Внутреннее примечание</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/paidservice/paidservicetype4owner.cpp" line="-2"/>
        <source>Price</source>
        <translation>Цена</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/payment/paymentsystem.cpp" line="+1"/>
        <source>Login</source>
        <translation>Логин</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Credit key</source>
        <translation>Ключ зачисления</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Incoming commiss</source>
        <translation>Входящая комиссия</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Outgoing commiss</source>
        <translation>Исходящая комиссия</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>API URL</source>
        <translation>URL API</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>HTTP checkout address</source>
        <translation>HTTP-адрес оплаты</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>URL for status track</source>
        <translation>URL отслеживания статуса</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>URL after pay</source>
        <translation>URL после оплаты</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/payment/paymentsystemaccountscompany.cpp" line="-21"/>
        <source>Public key</source>
        <translation>Открытый ключ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Private key</source>
        <translation>Закрытый ключ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Currency</source>
        <translation>Валюта</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Weight</source>
        <translation>Вес</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Relative fee of payment system</source>
        <translation>Относительная комиссия платежной системы</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Absolute fee of payment system</source>
        <translation>Абсолютная комиссия платежной системы</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Relative fee of Koriv</source>
        <translation>Относительная комиссия Koriv</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Absolute fee of Koriv</source>
        <translation>Абсолютная комиссия Koriv</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Default payment value</source>
        <translation>Сумма платежа по умолчанию</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Client language</source>
        <translation>Язык клиента</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save client data</source>
        <translation>Сохранять данные клиента</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sandbox mode</source>
        <translation>Тестовый режим</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Payee</source>
        <translation>Получатель платежа</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bank</source>
        <translation>Банк</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EDRPOU</source>
        <translation>ЕГРПОУ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MFO</source>
        <translation>МФО</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Account</source>
        <translation>Расчетный счет</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Payment details</source>
        <translation>Назначение платежа</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NDS</source>
        <translation>НДС</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Subprovider Id</source>
        <translation>ID субпровайдера</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/payment/paymentsystempaymentslog.cpp" line="+1"/>
        <source>Amount</source>
        <translation>Сумма</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>External pay id</source>
        <translation>Внешний ID платежа</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>data</source>
        <translation>данные</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Response</source>
        <translation>Ответ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Is successfully</source>
        <translation>Успешно</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Expired date</source>
        <translation>Срок действия</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Last status check</source>
        <translation>Последняя проверка статуса</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../libmodel/src/model/base/rating/driverratinglog.cpp" line="-6"/>
        <location filename="../../libmodel/src/model/orlem/paidservice/paidservicetype4driver.cpp" line="+12"/>
        <location filename="../../libmodel/src/model/tavik/card/cardgroup.cpp" line="+1"/>
        <location line="+2"/>
        <source>Company</source>
        <translation>Компания</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Payment system</source>
        <translation>Платежная система</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/rating/driverratinglog.cpp" line="+7"/>
        <source>Average rating</source>
        <translation>Средний рейтинг</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delta</source>
        <translation>Изменение</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../libmodel/src/model/base/user/user.cpp" line="+1"/>
        <location filename="../../libmodel/src/model/base/user/usergroup.cpp" line="-1"/>
        <location filename="../../libmodel/src/model/orlem/company/company.cpp" line="+6"/>
        <source>Is system</source>
        <translation>Системная</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/security/usersecurityoption.cpp" line="+1"/>
        <source>Is using</source>
        <translation>Используется</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/session/guisession.cpp" line="-1"/>
        <location line="+3"/>
        <source>Auto save</source>
        <translation>Автосохранение</translation>
    </message>
    <message>
        <location line="-1"/>
        <location line="+2"/>
        <source>Is default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/session/session.cpp" line="+1"/>
        <source>Start date</source>
        <translation>Дата начала</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>End date</source>
        <translation>Дата окончания</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Duration</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Version</source>
        <translation>Версия</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OS name</source>
        <translation>Операционная система</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Build ABI</source>
        <translation>ABI сборки</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Last sync time</source>
        <translation>Время последней синхронизации</translation>
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
        <translation>Тип закрытия</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/session/usersession.cpp" line="+11"/>
        <location filename="../../libmodel/src/model/base/user/user.cpp" line="+2"/>
        <location filename="../../libmodel/src/model/orlem/driver/driver.cpp" line="+63"/>
        <location filename="../../libmodel/src/model/orlem/session/driversession.cpp" line="+12"/>
        <source>Group</source>
        <translation>Группа</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/sms/sms.cpp" line="+2"/>
        <source>Use</source>
        <translation>Использовать</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/user/user.cpp" line="-4"/>
        <source>Max sim calls</source>
        <translation>Макс. одновременных звонков</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Admin</source>
        <translation>Администратор</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/base/user/usergroup.cpp" line="+12"/>
        <source>Admins</source>
        <translation>Администраторы</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/helper/clientsideendsession.cpp" line="+11"/>
        <location line="+3"/>
        <source>Use end session</source>
        <translation>Использовать завершение сеанса</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>End session timeout (client side)</source>
        <translation>Тайм-аут завершения сеанса (на стороне клиента)</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/helper/driveradditionalpayment.cpp" line="+15"/>
        <location filename="../../libmodel/src/model/helper/driverdistancepenalty.cpp" line="+14"/>
        <source>Override group</source>
        <translation>Переопределить значение группы</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/helper/drivercoords.cpp" line="+16"/>
        <source>Latitude</source>
        <translation>Широта</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Longitude</source>
        <translation>Долгота</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Altitude</source>
        <translation>Высота</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/helper/drivergroupadditionalpayment.cpp" line="+12"/>
        <source>Enable additional payment</source>
        <translation>Включить доплату</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Percent</source>
        <translation>Процент</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Absolute values</source>
        <translation>Абсолютные значения</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/helper/drivergroupdistancepenalty.cpp" line="+12"/>
        <source>Enable distance penalty</source>
        <translation>Включить штраф за расстояние</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Distance penalty</source>
        <translation>Штраф за расстояние</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel per day</source>
        <translation>Отмен в день</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/helper/groupbalance.cpp" line="+12"/>
        <source>Enable low balance</source>
        <translation>Включить порог низкого баланса</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Low balance</source>
        <translation>Порог низкого баланса</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/helper/groupenableselectduty.cpp" line="+11"/>
        <source>Enable select duty</source>
        <translation>Разрешить выбор дежурства</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/helper/ownerbalance.cpp" line="+14"/>
        <source>Override group low balance</source>
        <translation>Переопределить порог низкого баланса группы</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/helper/ownerclientsideendsession.cpp" line="+12"/>
        <source>Override group value of use end session monitor</source>
        <translation>Переопределить значение группы для контроля завершения сеанса</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/helper/ownerenableselectduty.cpp" line="+14"/>
        <source>Override group enable select duty</source>
        <translation>Переопределить значение группы для выбора дежурства</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/helper/salaryswitches.cpp" line="+16"/>
        <source>Use order created</source>
        <translation>Учитывать созданные заказы</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use order driver assign manual</source>
        <translation>Учитывать ручное назначение водителя</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use order cashless card assign</source>
        <translation>Учитывать привязку банковской карты к заказу</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use client notity manual</source>
        <translation>Учитывать ручное оповещение клиента</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use order canceled</source>
        <translation>Учитывать отмененные заказы</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use order completed confirm</source>
        <translation>Учитывать подтверждение выполнения заказа</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use salary incoming calls</source>
        <translation>Учитывать входящие звонки</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use salary outgoing calls</source>
        <translation>Учитывать исходящие звонки</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/helper/sex.cpp" line="+11"/>
        <source>Sex</source>
        <translation>Пол</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/helper/useutcoffset.cpp" line="+11"/>
        <location line="+1"/>
        <source>Use UTC offset</source>
        <translation>Использовать смещение UTC</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/helper/utcoffset.cpp" line="+14"/>
        <source>UTC offset</source>
        <translation>Смещение UTC</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/orlem/balance/companybalancegroup.cpp" line="+21"/>
        <source>Driver&apos;s operations</source>
        <translation>Операции водителя</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Raise driver rating</source>
        <translation>Повышение рейтинга водителя</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/orlem/balance/companybalancetype.cpp" line="+1"/>
        <source>Driver&apos;s penalties (debit)</source>
        <translation>Штрафы водителя (дебет)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Driver&apos;s penalties (credit)</source>
        <translation>Штрафы водителя (кредит)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver&apos;s services (debit)</source>
        <translation>Услуги водителя (дебет)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Driver&apos;s services (credit)</source>
        <translation>Услуги водителя (кредит)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Driver&apos;s transfers (debit)</source>
        <translation>Переводы водителя (дебет)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Driver&apos;s transfers (credit)</source>
        <translation>Переводы водителя (кредит)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Removed drivers (debit)</source>
        <translation>Удаленные водители (дебет)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Removed drivers (credit)</source>
        <translation>Удаленные водители (кредит)</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/orlem/company/company.cpp" line="+21"/>
        <source>System company</source>
        <translation>Системная компания</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/orlem/driver/driver.cpp" line="-43"/>
        <source>System note</source>
        <translation>Системное примечание</translation>
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
        <translation>В движении</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Speed</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Course</source>
        <translation>Курс</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Horizontal accuracy</source>
        <translation>Точность по горизонтали</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vertical accuracy</source>
        <translation>Точность по вертикали</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Update coordinates time</source>
        <translation>Время обновления координат</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Update status time</source>
        <translation>Время обновления статуса</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Is deleted</source>
        <translation>Удален</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete time</source>
        <translation>Время удаления</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Last update of common info</source>
        <translation>Последнее изменение общих данных</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rating count</source>
        <translation>Количество оценок</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Recommender</source>
        <translation>Рекомендатель</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Completed order sequence</source>
        <translation>Серия выполненных заказов</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Canceled order sequence</source>
        <translation>Серия отмененных заказов</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Canceled booking order sequence</source>
        <translation>Серия отмененных предварительных заказов</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Busy time</source>
        <translation>Время занятости</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Free time</source>
        <translation>Время простоя</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Begin shift time</source>
        <translation>Время начала смены</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Expected complete shift time</source>
        <translation>Ожидаемое время окончания смены</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Complete shift time</source>
        <translation>Время окончания смены</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Automatic archiving</source>
        <translation>Автоматическая архивация</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Order receiving priority</source>
        <translation>Приоритет получения заказов</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>City</source>
        <translation>Город</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Car company</source>
        <translation>Компания автомобиля</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/orlem/rating/driverratingcoefficient.cpp" line="-1"/>
        <source>Sequence</source>
        <translation>Серия</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Completed orders</source>
        <translation>Выполненные заказы</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>For in sequence completed orders</source>
        <translation>За серию выполненных заказов</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Canceled orders</source>
        <translation>Отмененные заказы</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>For in sequence canceled orders</source>
        <translation>За серию отмененных заказов</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Canceled booking orders</source>
        <translation>Отмененные предварительные заказы</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>For in sequence canceled booking orders</source>
        <translation>За серию отмененных предварительных заказов</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Append bank card</source>
        <translation>Добавление банковской карты</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove bank card</source>
        <translation>Удаление банковской карты</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/tavik/balance/cardbalancelog.cpp" line="+13"/>
        <source>Group:Type</source>
        <translation>Группа:Тип</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/tavik/card/cardgroup.cpp" line="-4"/>
        <source>Serie</source>
        <translation>Серия</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/tavik/security/controllernames.cpp" line="-94"/>
        <source>User group security options</source>
        <translation>Права групп пользователей</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User security options</source>
        <translation>Права пользователей</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Active calls</source>
        <translation>Активные звонки</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Addresses</source>
        <translation>Адреса</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Asterisk servers</source>
        <translation>Серверы Asterisk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cards</source>
        <translation>Карты</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Card groups</source>
        <translation>Группы карт</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Card balance groups</source>
        <translation>Группы баланса карт</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Card balance types</source>
        <translation>Типы баланса карт</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Card balance logs</source>
        <translation>Журнал баланса карт</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chat groups</source>
        <translation>Группы чатов</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chat access</source>
        <translation>Доступ к чатам</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chat admins</source>
        <translation>Администраторы чатов</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chats</source>
        <translation>Чаты</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Call detail records</source>
        <translation>Детализация звонков (CDR)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cities</source>
        <translation>Города</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clients</source>
        <translation>Клиенты</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Client groups</source>
        <translation>Группы клиентов</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Client balance groups</source>
        <translation>Группы баланса клиентов</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Client balance types</source>
        <translation>Типы баланса клиентов</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Client balance logs</source>
        <translation>Журнал баланса клиентов</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Client group outgoing notify calls</source>
        <translation>Исходящие звонки-оповещения групп клиентов</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Client bonuses</source>
        <translation>Бонусы клиентов</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Client bonus logs</source>
        <translation>Журнал бонусов клиентов</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Client rating</source>
        <translation>Рейтинг клиентов</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Client rating logs</source>
        <translation>Журнал рейтинга клиентов</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Companies</source>
        <translation>Компании</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Company balance groups</source>
        <translation>Группы баланса компаний</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Company balance types</source>
        <translation>Типы баланса компаний</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Company balance logs</source>
        <translation>Журнал баланса компаний</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Company caller IDs</source>
        <translation>Номера Caller ID компаний</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Company cars</source>
        <translation>Автомобили компаний</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cash terminal statistics</source>
        <translation>Статистика платежных терминалов</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cars</source>
        <translation>Автомобили</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Car brands</source>
        <translation>Марки автомобилей</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Car colors</source>
        <translation>Цвета автомобилей</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Car body types</source>
        <translation>Типы кузова</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drivers</source>
        <translation>Водители</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver groups</source>
        <translation>Группы водителей</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver tariff groups</source>
        <translation>Группы тарифов водителей</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver tariffs</source>
        <translation>Тарифы водителей</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver refill balance logs</source>
        <translation>Журнал пополнений баланса водителей</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver tariff connections</source>
        <translation>Подключения водителей к тарифам</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver rating logs</source>
        <translation>Журнал рейтинга водителей</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver shifts</source>
        <translation>Смены водителей</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver duty groups</source>
        <translation>Группы дежурств водителей</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver duty calendar</source>
        <translation>Календарь дежурств водителей</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver duty selection</source>
        <translation>Выбор дежурств водителями</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver archive</source>
        <translation>Архив водителей</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver balance groups</source>
        <translation>Группы баланса водителей</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver balance types</source>
        <translation>Типы баланса водителей</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver balance logs</source>
        <translation>Журнал баланса водителей</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Types of driver invoices</source>
        <translation>Типы счетов водителей</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invoices of drivers</source>
        <translation>Счета водителей</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Encash terminals</source>
        <translation>Инкассация терминалов</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fondy status logs</source>
        <translation>Журнал статусов Fondy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Media</source>
        <translation>Медиафайлы</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Notifications</source>
        <translation>Уведомления</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Notification types</source>
        <translation>Типы уведомлений</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Notification messages</source>
        <translation>Сообщения уведомлений</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Orders</source>
        <translation>Заказы</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order first tariffs</source>
        <translation>Тарифы заказов (первая часть)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order second tariffs</source>
        <translation>Тарифы заказов (вторая часть)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order tariff zones</source>
        <translation>Тарифные зоны заказов</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order zones</source>
        <translation>Зоны заказов</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order completed</source>
        <translation>Выполненные заказы</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order incompleted</source>
        <translation>Невыполненные заказы</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order way points</source>
        <translation>Точки маршрута заказов</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order completed types</source>
        <translation>Типы выполнения заказов</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order completed logs</source>
        <translation>Журнал выполнения заказов</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order status logs</source>
        <translation>Журнал статусов заказов</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order messages</source>
        <translation>Сообщения заказов</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order tariff zone amounts</source>
        <translation>Суммы по тарифным зонам заказов</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order services</source>
        <translation>Услуги заказов</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order sum tips</source>
        <translation>Чаевые по заказам</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order statistics</source>
        <translation>Статистика заказов</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order autoassign logs</source>
        <translation>Журнал автоназначения заказов</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Outgoing calls for company (SIP accounts)</source>
        <translation>Исходящие звонки компаний (SIP-аккаунты)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Payment systems</source>
        <translation>Платежные системы</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Payment systems account of company</source>
        <translation>Счета платежных систем компаний</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Streets</source>
        <translation>Улицы</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Schedule of tariffs</source>
        <translation>Расписание тарифов</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Set of schedules of tariffs</source>
        <translation>Наборы расписаний тарифов</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Street types</source>
        <translation>Типы улиц</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tariffs</source>
        <translation>Тарифы</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tariffs (second)</source>
        <translation>Тарифы (вторая часть)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tariffs of zones</source>
        <translation>Тарифы зон</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tariff shedule rules</source>
        <translation>Правила расписания тарифов</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Track of order</source>
        <translation>Трек заказа</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Global servers</source>
        <translation>Глобальные серверы</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sms</source>
        <translation>SMS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sms companies</source>
        <translation>SMS компаний</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sms bulk</source>
        <translation>Массовая рассылка SMS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User SIP accounts</source>
        <translation>SIP-аккаунты пользователей</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>User balance groups</source>
        <translation>Группы баланса пользователей</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User balance types</source>
        <translation>Типы баланса пользователей</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User balance logs</source>
        <translation>Журнал баланса пользователей</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User groups</source>
        <translation>Группы пользователей</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User salary tariffs</source>
        <translation>Тарифы зарплаты пользователей</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User sessions</source>
        <translation>Сеансы пользователей</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User GUI sessions</source>
        <translation>Сеансы интерфейса пользователей</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User objects settings</source>
        <translation>Настройки объектов пользователей</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <source>User&apos;s duty types</source>
        <translation>Типы дежурств пользователей</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>User&apos;s planing duty journal</source>
        <translation>Журнал планирования дежурств пользователей</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zones</source>
        <translation>Зоны</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Consolidated company report</source>
        <translation>Сводный отчет по компаниям</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Individual user balance report</source>
        <translation>Индивидуальный отчет по балансу пользователя</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Consolidated user balance report</source>
        <translation>Сводный отчет по балансам пользователей</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User session report</source>
        <translation>Отчет по сеансам пользователя</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User transactions report</source>
        <translation>Отчет по транзакциям пользователя</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Individual user salary report</source>
        <translation>Индивидуальный отчет по зарплате пользователя</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Consolidated user salary report</source>
        <translation>Сводный отчет по зарплате пользователей</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Consolidated user calls report</source>
        <translation>Сводный отчет по звонкам пользователей</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Consolidated user duties report</source>
        <translation>Сводный отчет по дежурствам пользователей</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Individual card group report</source>
        <translation>Индивидуальный отчет по группе карт</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Individual card group balance report</source>
        <translation>Индивидуальный отчет по балансу группы карт</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Missed calls report</source>
        <translation>Отчет по пропущенным звонкам</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/tavik/security/securityoption.cpp" line="+28"/>
        <source>Create record</source>
        <translation>Создание записи</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Access for create new record</source>
        <translation>Доступ к созданию новой записи</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Update record</source>
        <translation>Изменение записи</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Access for update new record</source>
        <translation>Доступ к изменению записи</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read record</source>
        <translation>Чтение записи</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Access for read one record</source>
        <translation>Доступ к чтению одной записи</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Duplicate record</source>
        <translation>Дублирование записи</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Access for duplicate record</source>
        <translation>Доступ к дублированию записи</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete record</source>
        <translation>Удаление записи</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Access for delete record</source>
        <translation>Доступ к удалению записи</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Update locked record</source>
        <translation>Изменение заблокированной записи</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Access for update locked record</source>
        <translation>Доступ к изменению заблокированной записи</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open editor</source>
        <translation>Открытие редактора</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Access for open editor</source>
        <translation>Доступ к открытию редактора</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Table mapping</source>
        <translation>Столбцы таблицы</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Access for columns in table</source>
        <translation>Доступ к столбцам таблицы</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/tavik/security/securityoptiontype.cpp" line="+33"/>
        <source>crud operations</source>
        <translation>операции CRUD</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/tavik/user/user.cpp" line="+24"/>
        <source>Use salary tariff</source>
        <translation>Использовать тариф зарплаты</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../libmodel/src/model/tavik/user/usergroup.cpp" line="+62"/>
        <source>Use salary hour</source>
        <translation>Использовать почасовую оплату</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Use salaty tariff</source>
        <translation>Использовать тариф зарплаты</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../libmodel/src/model/tavik/user/usergroup.cpp" line="+4"/>
        <source>User salary tariff</source>
        <translation>Тариф зарплаты пользователя</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Operators</source>
        <translation>Операторы</translation>
    </message>
    <message>
        <location filename="../../libmodel/src/model/tavik/user/usergroup.cpp" line="-6"/>
        <source>Show driver SOS</source>
        <translation>Показывать SOS водителей</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Write off balance at beginning month</source>
        <translation>Списывать баланс в начале месяца</translation>
    </message>
</context>
</TS>
