<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="en">
<context>
    <name>AstSrvBox</name>
    <message>
        <location filename="../qml/components/subject/AstSrvBox.qml" line="+9"/>
        <source>Asterisk Server</source>
        <translation>Сервер Asterisk</translation>
    </message>
</context>
<context>
    <name>ButtonBox</name>
    <message>
        <location filename="../qml/components/editor/ButtonBox.qml" line="+66"/>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Duplicate</source>
        <translation>Дублювати</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Apply</source>
        <translation>Застосувати</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
</context>
<context>
    <name>CarBodyTypesTable</name>
    <message>
        <location filename="../qml/driver/attributes/CarBodyTypesTable.qml" line="+6"/>
        <source>Car Body Types</source>
        <translation>Типи кузова</translation>
    </message>
</context>
<context>
    <name>CarBrandsTable</name>
    <message>
        <location filename="../qml/driver/attributes/CarBrandsTable.qml" line="+6"/>
        <source>Car Brands</source>
        <translation>Марки автомобілів</translation>
    </message>
</context>
<context>
    <name>CarColorsTable</name>
    <message>
        <location filename="../qml/driver/attributes/CarColorsTable.qml" line="+6"/>
        <source>Car Colors</source>
        <translation>Кольори автомобілів</translation>
    </message>
</context>
<context>
    <name>CarEditor</name>
    <message>
        <location filename="../qml/driver/car/CarEditor.qml" line="+14"/>
        <source>Car</source>
        <translation>Автомобіль</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Essentials</source>
        <translation>Основне</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Photo</source>
        <translation>Фото</translation>
    </message>
</context>
<context>
    <name>CarEssentials</name>
    <message>
        <location filename="../qml/driver/car/CarEssentials.qml" line="+131"/>
        <source>Id:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Approved:</source>
        <translation>Схвалено:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Selected:</source>
        <translation>Вибрано:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Brand</source>
        <translation>Марка</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Body type</source>
        <translation>Тип кузова</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Color</source>
        <translation>Колір</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Sign</source>
        <translation>Позивний</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Identifier:</source>
        <translation>Ідентифікатор:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Model:</source>
        <translation>Модель:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Year:</source>
        <translation>Рік випуску:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Place amount:</source>
        <translation>Кількість місць:</translation>
    </message>
</context>
<context>
    <name>CarTable</name>
    <message>
        <location filename="../qml/driver/car/CarTable.qml" line="+12"/>
        <source>Cars</source>
        <translation>Автомобілі</translation>
    </message>
</context>
<context>
    <name>CityBox</name>
    <message>
        <location filename="../qml/components/subject/CityBox.qml" line="+27"/>
        <source>City</source>
        <translation>Місто</translation>
    </message>
</context>
<context>
    <name>CityEditor</name>
    <message>
        <location filename="../qml/address/city/CityEditor.qml" line="+38"/>
        <source>Attributes</source>
        <translation>Атрибути</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Id:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Name:</source>
        <translation>Назва:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Location</source>
        <translation>Місцезнаходження</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Coordinates:</source>
        <translation>Координати:</translation>
    </message>
</context>
<context>
    <name>CityTable</name>
    <message>
        <location filename="../qml/address/city/CityTable.qml" line="+12"/>
        <source>Cities</source>
        <translation>Міста</translation>
    </message>
</context>
<context>
    <name>ColorBox</name>
    <message>
        <location filename="../qml/components/ColorBox.qml" line="+36"/>
        <source>Color:</source>
        <translation>Колір:</translation>
    </message>
</context>
<context>
    <name>CompanyBalanceTable</name>
    <message>
        <location filename="../qml/company/company/balance/CompanyBalanceTable.qml" line="+23"/>
        <source>Company balance group can not be All</source>
        <translation>Група балансу компанії не може бути «Усі»</translation>
    </message>
</context>
<context>
    <name>CompanyBox</name>
    <message>
        <location filename="../qml/components/subject/CompanyBox.qml" line="+18"/>
        <source>Company</source>
        <translation>Компанія</translation>
    </message>
</context>
<context>
    <name>CompanyEditor</name>
    <message>
        <location filename="../qml/company/company/CompanyEditor.qml" line="+30"/>
        <source>Essentials</source>
        <translation>Основне</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Balance</source>
        <translation>Баланс</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Payment system accounts</source>
        <translation>Рахунки платіжних систем</translation>
    </message>
</context>
<context>
    <name>CompanyEssentials</name>
    <message>
        <location filename="../qml/company/company/essentials/CompanyEssentials.qml" line="+47"/>
        <source>Id:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Name:</source>
        <translation>Назва:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Balance:</source>
        <translation>Баланс:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Lost profit:</source>
        <translation>Втрачений прибуток:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Is system:</source>
        <translation>Системна:</translation>
    </message>
</context>
<context>
    <name>CompanyTable</name>
    <message>
        <location filename="../qml/company/company/CompanyTable.qml" line="+18"/>
        <source>Companies</source>
        <translation>Компанії</translation>
    </message>
</context>
<context>
    <name>CrashReportTable</name>
    <message>
        <location filename="../qml/crash/CrashReportTable.qml" line="+37"/>
        <source>Failed to save the database file %1</source>
        <translation>Не вдалося зберегти файл бази даних %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Crash Reports</source>
        <translation>Звіти про збої</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Database is absent or corrupted</source>
        <translation>База даних відсутня або пошкоджена</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Save Database File</source>
        <translation>Зберегти файл бази даних</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Database files (*.db)</source>
        <translation>Файли баз даних (*.db)</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Download Database</source>
        <translation>Завантажити базу даних</translation>
    </message>
</context>
<context>
    <name>DateEdit</name>
    <message>
        <location filename="../qml/components/text/DateEdit.qml" line="+52"/>
        <source>Invalid date</source>
        <translation>Неправильна дата</translation>
    </message>
</context>
<context>
    <name>DoubleOwnerTables</name>
    <message>
        <location filename="../qml/components/subject/DoubleOwnerTables.qml" line="+26"/>
        <source>Groups</source>
        <translation>Групи</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Users</source>
        <translation>Користувачі</translation>
    </message>
</context>
<context>
    <name>DriverArchive</name>
    <message>
        <location filename="../qml/driver/driver/essentials/DriverArchive.qml" line="+20"/>
        <source>Confirm moving to archive</source>
        <translation>Підтвердіть переміщення до архіву</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Confirm returning from archive</source>
        <translation>Підтвердіть повернення з архіву</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Archive operation successfully completed</source>
        <translation>Операцію з архівом успішно виконано</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Return from archive...</source>
        <translation>Повернути з архіву...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Move to archive...</source>
        <translation>Перемістити до архіву...</translation>
    </message>
</context>
<context>
    <name>DriverArchiveTable</name>
    <message>
        <location filename="../qml/driver/driver/DriverArchiveTable.qml" line="+39"/>
        <source>Drivers In Archive</source>
        <translation>Водії в архіві</translation>
    </message>
</context>
<context>
    <name>DriverBalanceTransferEditor</name>
    <message>
        <location filename="../qml/driver/driver-balance-transfer/DriverBalanceTransferEditor.qml" line="+64"/>
        <source>Attributes</source>
        <translation>Атрибути</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Id:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Sign contributor</source>
        <translation>Позивний відправника</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Sign acceptor</source>
        <translation>Позивний отримувача</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Transaction key:</source>
        <translation>Ключ транзакції:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Amount to credit:</source>
        <translation>Сума зарахування:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Amount to debit:</source>
        <translation>Сума списання:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%:</source>
        <translation>%:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Result</source>
        <translation>Результат</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Operation timeout:</source>
        <translation>Термін операції:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Amount attempts:</source>
        <translation>Кількість спроб:</translation>
    </message>
</context>
<context>
    <name>DriverBalanceTransferTable</name>
    <message>
        <location filename="../qml/driver/driver-balance-transfer/DriverBalanceTransferTable.qml" line="+15"/>
        <source>Driver Balance Transfers</source>
        <translation>Перекази балансу водіїв</translation>
    </message>
</context>
<context>
    <name>DriverBox</name>
    <message>
        <location filename="../qml/components/subject/DriverBox.qml" line="+11"/>
        <source>Driver</source>
        <translation>Водій</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Auto assign</source>
        <translation>Автопризначення</translation>
    </message>
</context>
<context>
    <name>DriverEditor</name>
    <message>
        <location filename="../qml/driver/driver/DriverEditor.qml" line="+16"/>
        <source>Cars</source>
        <translation>Автомобілі</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Balance</source>
        <translation>Баланс</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Payments Log</source>
        <translation>Журнал платежів</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Paid services</source>
        <translation>Платні послуги</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sessions</source>
        <translation>Сеанси</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Photo</source>
        <translation>Фото</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Essentials</source>
        <translation>Основне</translation>
    </message>
</context>
<context>
    <name>DriverEssentials</name>
    <message>
        <location filename="../qml/driver/driver/essentials/DriverEssentials.qml" line="+51"/>
        <source>Confirm to remove recommender</source>
        <translation>Підтвердіть видалення рекомендувача</translation>
    </message>
    <message>
        <location line="+136"/>
        <source>system</source>
        <translation>система</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Driver</source>
        <translation>Водій</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Id:</source>
        <translation>Ід.:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>City</source>
        <translation>Місто</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Driver group</source>
        <translation>Група водіїв</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Car company</source>
        <translation>Компанія автомобіля</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Status:</source>
        <translation>Статус:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sign:</source>
        <translation>Позивний:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Last name:</source>
        <translation>Прізвище:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>First name:</source>
        <translation>Ім&apos;я:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Middle name:</source>
        <translation>По батькові:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Phone:</source>
        <translation>Телефон:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Secondary phone:</source>
        <translation>Другий телефон:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Recommender:</source>
        <translation>Рекомендувач:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Remove...</source>
        <translation>Видалити...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Balance:</source>
        <translation>Баланс:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rating:</source>
        <translation>Рейтинг:</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>More...</source>
        <translation>Докладніше...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>System note:</source>
        <translation>Системна примітка:</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Automatic archiving</source>
        <translation>Автоматична архівація</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Order receiving priority</source>
        <translation>Пріоритет отримання замовлень</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Blocked</source>
        <translation>Заблокований</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Change Password...</source>
        <translation>Змінити пароль...</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Override duty amount</source>
        <translation>Власна сума чергування</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+16"/>
        <source>Duty amount:</source>
        <translation>Сума чергування:</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Override duty amount for a month</source>
        <translation>Власна сума чергування на місяць</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Attributes</source>
        <translation>Атрибути</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Latitude:</source>
        <translation>Широта:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Longitude:</source>
        <translation>Довгота:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Altitude:</source>
        <translation>Висота:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Is moving:</source>
        <translation>У русі:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Speed:</source>
        <translation>Швидкість:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Course:</source>
        <translation>Курс:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fix GPS:</source>
        <translation>Фіксація GPS:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Additional payment</source>
        <translation>Додаткова оплата</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+41"/>
        <source>Override group</source>
        <translation>Замість групи</translation>
    </message>
    <message>
        <location line="-33"/>
        <source>Enable additional payment</source>
        <translation>Увімкнути додаткову оплату</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Percent:</source>
        <translation>Відсоток:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Absolute values:</source>
        <translation>Абсолютні значення:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Distance penalty</source>
        <translation>Штраф за відстань</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Enable distance penalty</source>
        <translation>Увімкнути штраф за відстань</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Distance - Penalty:</source>
        <translation>Відстань - Штраф:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Cancel per day:</source>
        <translation>Скасувань на день:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Inner note</source>
        <translation>Внутрішня примітка</translation>
    </message>
</context>
<context>
    <name>DriverGroupEditor</name>
    <message>
        <location filename="../qml/driver/driver-group/DriverGroupEditor.qml" line="+56"/>
        <source>Attributes</source>
        <translation>Атрибути</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Id:</source>
        <translation>Ід.:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Name:</source>
        <translation>Назва:</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Description</source>
        <translation>Опис</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Additional payment</source>
        <translation>Додаткова оплата</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Enable additional payment</source>
        <translation>Увімкнути додаткову оплату</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Percent:</source>
        <translation>Відсоток:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Absolute values:</source>
        <translation>Абсолютні значення:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Distance penalty</source>
        <translation>Штраф за відстань</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Enable distance penalty</source>
        <translation>Увімкнути штраф за відстань</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Distance - Penalty:</source>
        <translation>Відстань - Штраф:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Cancel per day:</source>
        <translation>Скасувань на день:</translation>
    </message>
</context>
<context>
    <name>DriverGroupTable</name>
    <message>
        <location filename="../qml/driver/driver-group/DriverGroupTable.qml" line="+17"/>
        <source>Driver Groups</source>
        <translation>Групи водіїв</translation>
    </message>
</context>
<context>
    <name>DriverPaidServiceEditor</name>
    <message>
        <location filename="../qml/driver/driver-paid-service/DriverPaidServiceEditor.qml" line="+20"/>
        <source>Driver paid service</source>
        <translation>Платна послуга водія</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>Attributes</source>
        <translation>Атрибути</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Id:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Driver</source>
        <translation>Водій</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+27"/>
        <source>n/a</source>
        <translation>н/д</translation>
    </message>
    <message>
        <location line="-13"/>
        <source>Driver paid service type</source>
        <translation>Тип платної послуги водія</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Enabled</source>
        <translation>Увімкнено</translation>
    </message>
</context>
<context>
    <name>DriverPaidServiceTypeEditor</name>
    <message>
        <location filename="../qml/driver/driver-paid-service-type/DriverPaidServiceTypeEditor.qml" line="+28"/>
        <source>Essentials</source>
        <translation>Основне</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Paid services</source>
        <translation>Платні послуги</translation>
    </message>
</context>
<context>
    <name>DriverPaidServiceTypeEssentials</name>
    <message>
        <location filename="../qml/driver/driver-paid-service-type/essentials/DriverPaidServiceTypeEssentials.qml" line="+129"/>
        <source>Attributes</source>
        <translation>Атрибути</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Id:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Driver balance group:</source>
        <translation>Група балансу водія:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Driver balance type:</source>
        <translation>Тип балансу водія:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Name:</source>
        <translation>Назва:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Price:</source>
        <translation>Ціна:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Enabled</source>
        <translation>Увімкнено</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Inner note</source>
        <translation>Внутрішня примітка</translation>
    </message>
</context>
<context>
    <name>DriverPaidServiceTypeTable</name>
    <message>
        <location filename="../qml/driver/driver-paid-service-type/DriverPaidServiceTypeTable.qml" line="+26"/>
        <source>Are you sure to change balance?</source>
        <translation>Ви впевнені, що хочете змінити баланс?</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Driver Paid Service Types</source>
        <translation>Типи платних послуг водіїв</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Implement service successfully</source>
        <translation>Послугу успішно застосовано</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Apply paid service</source>
        <translation>Застосувати платну послугу</translation>
    </message>
</context>
<context>
    <name>DriverPhoto</name>
    <message>
        <location filename="../qml/driver/driver/photo/DriverPhoto.qml" line="+82"/>
        <source>Confirm removing photo</source>
        <translation>Підтвердіть видалення фото</translation>
    </message>
</context>
<context>
    <name>DriverPhotoViewer</name>
    <message>
        <location filename="../qml/driver/driver/photo/DriverPhotoViewer.qml" line="+30"/>
        <source>Photo</source>
        <translation>Фото</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Previous</source>
        <translation>Попереднє</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Next</source>
        <translation>Наступне</translation>
    </message>
</context>
<context>
    <name>DriverRaiseRatingEditor</name>
    <message>
        <location filename="../qml/driver/driver-raise-rating/DriverRaiseRatingEditor.qml" line="+21"/>
        <source>Driver Raise Rating</source>
        <translation>Підвищення рейтингу водія</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>The server has no raise rating cost (value &quot;%1&quot;)</source>
        <translation>На сервері немає вартості підвищення рейтингу (значення &quot;%1&quot;)</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The stored raise rating cost is not valid: %1</source>
        <translation>Збережена вартість підвищення рейтингу некоректна: %1</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Cost must be a number</source>
        <translation>Вартість має бути числом</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Attributes</source>
        <translation>Атрибути</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Id:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Common</source>
        <translation>Загальна</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Point</source>
        <translation>За бал</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Common cost:</source>
        <translation>Загальна вартість:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Point cost:</source>
        <translation>Вартість бала:</translation>
    </message>
</context>
<context>
    <name>DriverRatingCoefficientEditor</name>
    <message>
        <location filename="../qml/driver/driver-rating-coefficient/DriverRatingCoefficientEditor.qml" line="+45"/>
        <source>Attributes</source>
        <translation>Атрибути</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Id:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Name:</source>
        <translation>Назва:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Code:</source>
        <translation>Код:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Sequence:</source>
        <translation>Послідовність:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Value:</source>
        <translation>Значення:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Description:</source>
        <translation>Опис:</translation>
    </message>
</context>
<context>
    <name>DriverRatingCoefficientTable</name>
    <message>
        <location filename="../qml/driver/driver-rating-coefficient/DriverRatingCoefficientTable.qml" line="+14"/>
        <source>Driver Rating Coefficients</source>
        <translation>Коефіцієнти рейтингу водіїв</translation>
    </message>
</context>
<context>
    <name>DriverRatingLogTable</name>
    <message>
        <location filename="../qml/driver/driver/essentials/DriverRatingLogTable.qml" line="+20"/>
        <source>Driver Rating Log</source>
        <translation>Журнал рейтингу водія</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>All</source>
        <translation>Усі</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Client</source>
        <translation>Клієнт</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>System</source>
        <translation>Система</translation>
    </message>
</context>
<context>
    <name>DriverSessionContainer</name>
    <message>
        <location filename="../qml/driver/driver-session/DriverSessionContainer.qml" line="+44"/>
        <source>Close session</source>
        <translation>Закрити сесію</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Driver</source>
        <translation>Водій</translation>
    </message>
</context>
<context>
    <name>DriverSessionTable</name>
    <message>
        <location filename="../qml/driver/driver-session/DriverSessionTable.qml" line="+10"/>
        <source>Driver Sessions</source>
        <translation>Сесії водіїв</translation>
    </message>
</context>
<context>
    <name>DriverTable</name>
    <message>
        <location filename="../qml/driver/driver/DriverTable.qml" line="+36"/>
        <source>Drivers</source>
        <translation>Водії</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Update drivers</source>
        <translation>Оновити водіїв</translation>
    </message>
</context>
<context>
    <name>Editor</name>
    <message>
        <location filename="../qml/components/editor/Editor.qml" line="+101"/>
        <source>The connection to the server was lost before the answer came</source>
        <translation>З&apos;єднання з сервером втрачено до отримання відповіді</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>There is no connection to the server: the request was not sent</source>
        <translation>Немає з&apos;єднання з сервером: запит не надіслано</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>The connection to the server was lost before the answer came: whether the data was saved is not known. Once the program is connected again, it asks the server and tells you.</source>
        <translation>З&apos;єднання з сервером втрачено до отримання відповіді: невідомо, чи збережено дані. Коли програма знову під&apos;єднається, вона запитає сервер і повідомить.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There is no connection to the server: whether the last save reached it is not known yet. Once the program is connected again, it asks the server and tells you.</source>
        <translation>Немає з&apos;єднання з сервером: поки невідомо, чи дійшло до нього останнє збереження. Коли програма знову під&apos;єднається, вона запитає сервер і повідомить.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There is no connection to the server: the data was not saved. It stays in the form: save it once the program is connected again.</source>
        <translation>Немає з&apos;єднання з сервером: дані не збережено. Вони залишаються у формі: збережіть їх, коли програма знову під&apos;єднається.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Whether the data was saved is not known yet. Close the editor anyway?</source>
        <translation>Поки невідомо, чи збережено дані. Все одно закрити редактор?</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Data not saved</source>
        <translation>Дані не збережено</translation>
    </message>
    <message>
        <location line="+82"/>
        <source>You do not have permission to open editor</source>
        <translation>У вас немає прав на відкриття редактора</translation>
    </message>
</context>
<context>
    <name>FilterTextField</name>
    <message>
        <location filename="../qml/components/text/FilterTextField.qml" line="+14"/>
        <source>Filter</source>
        <translation>Фільтр</translation>
    </message>
</context>
<context>
    <name>Form</name>
    <message>
        <location filename="../qml/components/editor/Form.qml" line="+234"/>
        <source>Data removed by user with id = %1. Form will close!</source>
        <translation>Дані видалено користувачем з ID = %1. Форму буде закрито!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Data removed. Form will close!</source>
        <translation>Дані видалено. Форму буде закрито!</translation>
    </message>
    <message>
        <location line="+413"/>
        <source>Amount:</source>
        <translation>Кількість:</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Remove source record</source>
        <translation>Видалити вихідний запис</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Resolution</source>
        <translation>Рішення</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Approve</source>
        <translation>Схвалити</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Reject</source>
        <translation>Відхилити</translation>
    </message>
</context>
<context>
    <name>GeoLocation</name>
    <message>
        <location filename="../qml/components/editor/GeoLocation.qml" line="+30"/>
        <source>Location</source>
        <translation>Місцезнаходження</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Latitude:</source>
        <translation>Широта:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Longitude:</source>
        <translation>Довгота:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Coordinates:</source>
        <translation>Координати:</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Copy</source>
        <translation>Копіювати</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Paste</source>
        <translation>Вставити</translation>
    </message>
</context>
<context>
    <name>GroupBalanceItems</name>
    <message>
        <location filename="../qml/components/editor/GroupBalanceItems.qml" line="+11"/>
        <source>Balance items</source>
        <translation>Параметри балансу</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Enable low balance</source>
        <translation>Увімкнути поріг низького балансу</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Low balance</source>
        <translation>Поріг низького балансу</translation>
    </message>
</context>
<context>
    <name>GroupUtcOffset</name>
    <message>
        <location filename="../qml/components/editor/GroupUtcOffset.qml" line="+8"/>
        <source>Time zone</source>
        <translation>Часовий пояс</translation>
    </message>
</context>
<context>
    <name>InsertUpdateTime</name>
    <message>
        <location filename="../qml/components/editor/InsertUpdateTime.qml" line="+15"/>
        <source>n/a</source>
        <translation>н/д</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Create time:</source>
        <translation>Час створення:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Update time:</source>
        <translation>Час змінення:</translation>
    </message>
</context>
<context>
    <name>LabelDate</name>
    <message>
        <location filename="../qml/components/LabelDate.qml" line="+9"/>
        <source>n/a</source>
        <translation>н/д</translation>
    </message>
</context>
<context>
    <name>LostSaveCheck</name>
    <message>
        <location filename="../qml/components/editor/LostSaveCheck.qml" line="+92"/>
        <source>Whether the data was saved cannot be found out: the server refused to show it. Check the list before saving it again.</source>
        <translation>Не вдалося з&apos;ясувати, чи збережено дані: сервер відмовив у показі. Перевірте список, перш ніж зберігати знову.</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Whether the data was saved cannot be found out: the record is no longer on the server.</source>
        <translation>Не вдалося з&apos;ясувати, чи збережено дані: запису більше немає на сервері.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>The data was saved: the server holds what was typed.</source>
        <translation>Дані збережено: на сервері те, що було введено.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The data was not saved: the record has not changed since it was sent. It stays in the form: save it again.</source>
        <translation>Дані не збережено: після надсилання запис не змінився. Вони лишаються у формі: збережіть їх знову.</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>Whether the data was saved is not known: the record was changed after it was sent, and the server does not show every value that was sent. What was typed stays in the form: save it again to be sure.</source>
        <translation>Невідомо, чи збережено дані: після надсилання запис змінився, а сервер показує не всі надіслані значення. Введене залишається у формі: збережіть його ще раз для певності.</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>The last save reached the server: it holds what that save sent. What was typed after it is not on the server yet: it stays in the form.</source>
        <translation>Останнє збереження дійшло до сервера: на ньому те, що воно надіслало. Введене після нього ще не на сервері: воно залишається у формі.</translation>
    </message>
    <message>
        <location line="-19"/>
        <source>Whether the data was saved is not known: the record was changed on the server after it was sent. The form shows the stored values.</source>
        <translation>Чи збережено дані, невідомо: після надсилання запис було змінено на сервері. Форма показує збережені значення.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Whether the data was saved is not known: the record was changed on the server after it was sent and holds other values now. Show the stored values? No keeps what was typed.</source>
        <translation>Невідомо, чи збережено дані: після надсилання запис на сервері змінили, і тепер у ньому інші значення. Показати збережені значення? «Ні» залишить введене.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The last save reached the server, and so did the save that waited for it.</source>
        <translation>Останнє збереження дійшло до сервера, як і збереження, що на нього чекало.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The last save reached the server: it holds what that save sent. The save that waited for it was refused: what was typed after it stays in the form.</source>
        <translation>Останнє збереження дійшло до сервера: на ньому те, що воно надіслало. Збереження, що на нього чекало, відхилено: введене після нього залишається у формі.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The last save reached the server: it holds what that save sent.</source>
        <translation>Останнє збереження дійшло до сервера: на ньому те, що воно надіслало.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The data was not saved: the server holds no record stored by this send. It stays in the form: save it again.</source>
        <translation>Дані не збережено: на сервері немає запису, збереженого цим надсиланням. Вони лишаються у формі: збережіть їх знову.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Whether the data was saved cannot be found out: a record like it was stored after the program last heard from the server, and whose it is cannot be told. Check the list before saving it again.</source>
        <translation>Не вдалося з&apos;ясувати, чи збережено дані: схожий запис збережено після того, як програма востаннє отримала щось від сервера, і чий він, визначити не можна. Перевірте список, перш ніж зберігати знову.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Whether the copies were made cannot be found out: a record like them was stored after the program last heard from the server, and whose it is cannot be told. Check the list before duplicating again.</source>
        <translation>Не вдалося з&apos;ясувати, чи створено копії: схожий запис збережено після того, як програма востаннє отримала щось від сервера, і чий він, визначити не можна. Перевірте список, перш ніж копіювати знову.</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>The data was saved: the server holds the new record.</source>
        <translation>Дані збережено: новий запис є на сервері.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Whether the data was saved cannot be found out: %1 records like it were stored meanwhile. Check the list before saving it again.</source>
        <translation>Не вдалося з&apos;ясувати, чи збережено дані: за цей час збережено схожих записів: %1. Перевірте список, перш ніж зберігати знову.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No copy was made: the server holds none stored by this send.</source>
        <translation>Копії не створено: на сервері немає жодної, збереженої цим надсиланням.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The copies were made: the server holds them.</source>
        <translation>Копії створено: вони є на сервері.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Whether the copies were made cannot be found out: %1 records like them were stored meanwhile. Check the list before duplicating again.</source>
        <translation>Не вдалося з&apos;ясувати, чи створено копії: за цей час збережено схожих записів: %1. Перевірте список, перш ніж копіювати знову.</translation>
    </message>
</context>
<context>
    <name>NotificationEditor-norvik</name>
    <message>
        <location filename="../qml/notification/NotificationEditor-norvik.qml" line="+64"/>
        <source>The notification does not name the driver by id</source>
        <translation>Сповіщення не вказує водія за ідентифікатором</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>The notification does not name the car by id</source>
        <translation>Сповіщення не вказує автомобіль за ідентифікатором</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>The notification names the driver neither by id nor by sign</source>
        <translation>У сповіщенні водія не вказано ні за id, ні за позивним</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>The notification&apos;s value is not a JSON object: %1</source>
        <translation>Значення сповіщення не є об&apos;єктом JSON: %1</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>There is no driver with the sign &quot;%1&quot;</source>
        <translation>Немає водія з позивним «%1»</translation>
    </message>
</context>
<context>
    <name>NotificationEditorBase</name>
    <message>
        <location filename="../qml/components/editor/NotificationEditorBase.qml" line="+66"/>
        <source>Id:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Name:</source>
        <translation>Назва:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Context:</source>
        <translation>Контекст:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Value:</source>
        <translation>Значення:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Completed</source>
        <translation>Виконано</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>More...</source>
        <translation>Докладніше...</translation>
    </message>
</context>
<context>
    <name>NotificationTable</name>
    <message>
        <location filename="../qml/notification/NotificationTable.qml" line="+134"/>
        <source>Notifications successfully deleted</source>
        <translation>Сповіщення успішно видалено</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Notifications</source>
        <translation>Сповіщення</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Mark As Readed</source>
        <translation>Позначити як прочитані</translation>
    </message>
</context>
<context>
    <name>NotificationTypeEditor</name>
    <message>
        <location filename="../qml/notification/NotificationTypeEditor.qml" line="+55"/>
        <source>Attributes</source>
        <translation>Атрибути</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Id:</source>
        <translation>Id:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Name:</source>
        <translation>Назва:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Code:</source>
        <translation>Код:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Enabled</source>
        <translation>Увімкнено</translation>
    </message>
</context>
<context>
    <name>NotificationTypeTable</name>
    <message>
        <location filename="../qml/notification/NotificationTypeTable.qml" line="+14"/>
        <source>Notification Types</source>
        <translation>Типи сповіщень</translation>
    </message>
</context>
<context>
    <name>NtFrame</name>
    <message>
        <location filename="../qml/components/NtFrame.qml" line="+18"/>
        <source>Untitled</source>
        <translation>Без назви</translation>
    </message>
    <message>
        <location line="+140"/>
        <source>The connection to the server was lost before the answer came: whether the request was carried out is not known. Once the program is connected again, it asks the server and tells you.</source>
        <translation>З&apos;єднання з сервером втрачено до отримання відповіді: невідомо, чи виконано запит. Коли програма знову під&apos;єднається, вона запитає сервер і повідомить.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The connection to the server was lost before the answer came</source>
        <translation>З&apos;єднання з сервером втрачено до отримання відповіді</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>There is no connection to the server: the request was not sent</source>
        <translation>Немає з&apos;єднання з сервером: запит не надіслано</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Whether the request was carried out cannot be found out here: check the list before sending it again.</source>
        <translation>Тут не з&apos;ясувати, чи виконано запит: перевірте список, перш ніж надсилати його знову.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Whether the record was deleted cannot be found out: the server refused to show it. Check the list before deleting it again.</source>
        <translation>Не вдалося з&apos;ясувати, чи видалено запис: сервер відмовив у показі. Перевірте список, перш ніж видаляти знову.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The record was deleted.</source>
        <translation>Запис видалено.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The record was not deleted: the server still holds it.</source>
        <translation>Запис не видалено: сервер досі зберігає його.</translation>
    </message>
</context>
<context>
    <name>OwnerBalanceItems</name>
    <message>
        <location filename="../qml/components/editor/OwnerBalanceItems.qml" line="+12"/>
        <source>Balance items</source>
        <translation>Параметри балансу</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Override group low balance</source>
        <translation>Перевизначити поріг низького балансу групи</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Enable low balance</source>
        <translation>Увімкнути поріг низького балансу</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Low balance</source>
        <translation>Поріг низького балансу</translation>
    </message>
</context>
<context>
    <name>OwnerTable</name>
    <message>
        <location filename="../qml/components/subject/OwnerTable.qml" line="+108"/>
        <source>Owners</source>
        <translation>Власники</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Id</source>
        <translation>ID</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Name</source>
        <translation>Назва</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Add...</source>
        <translation>Додати...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Remove...</source>
        <translation>Видалити...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remove entry?</source>
        <translation>Видалити запис?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Remove all...</source>
        <translation>Видалити все...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remove entries?</source>
        <translation>Видалити записи?</translation>
    </message>
</context>
<context>
    <name>OwnerUtcOffset</name>
    <message>
        <location filename="../qml/components/editor/OwnerUtcOffset.qml" line="+9"/>
        <source>Time zone</source>
        <translation>Часовий пояс</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Use UTC offset</source>
        <translation>Використовувати зміщення UTC</translation>
    </message>
</context>
<context>
    <name>PaymentSystemAccountEditor</name>
    <message>
        <location filename="../qml/payment/payment-system-account/PaymentSystemAccountEditor.qml" line="+19"/>
        <source>Payment system account</source>
        <translation>Рахунок платіжної системи</translation>
    </message>
    <message>
        <location line="+34"/>
        <location line="+6"/>
        <location line="+57"/>
        <source>n/a</source>
        <translation>н/д</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>Attributes</source>
        <translation>Атрибути</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Id:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Company</source>
        <translation>Компанія</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Payment system</source>
        <translation>Платіжна система</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Public key</source>
        <translation>Публічний ключ</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Private key</source>
        <translation>Приватний ключ</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Default value</source>
        <translation>Сума за замовчуванням</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Currency</source>
        <translation>Валюта</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Client language</source>
        <translation>Мова клієнта</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Weight</source>
        <translation>Вага</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Subprovider Id</source>
        <translation>ID субпровайдера</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Enabled</source>
        <translation>Увімкнено</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Sandbox mode</source>
        <translation>Тестовий режим</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Save client data</source>
        <translation>Зберігати дані клієнта</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Fee</source>
        <translation>Комісія</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Relative fee of payment system:</source>
        <translation>Відносна комісія платіжної системи:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Absolute fee of payment system:</source>
        <translation>Абсолютна комісія платіжної системи:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Relative fee of Koriv:</source>
        <translation>Відносна комісія Koriv:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Absolute Fee of Koriv:</source>
        <translation>Абсолютна комісія Koriv:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Bank details</source>
        <translation>Банківські реквізити</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Payee:</source>
        <translation>Отримувач:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>EDRPOU:</source>
        <translation>ЄДРПОУ:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Bank:</source>
        <translation>Банк:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>MFO:</source>
        <translation>МФО:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Account:</source>
        <translation>Рахунок:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Payment details:</source>
        <translation>Призначення платежу:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>NDS:</source>
        <translation>ПДВ:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Inner note</source>
        <translation>Внутрішня примітка</translation>
    </message>
</context>
<context>
    <name>PaymentSystemEditor</name>
    <message>
        <location filename="../qml/payment/payment-system/PaymentSystemEditor.qml" line="+93"/>
        <source>Attributes</source>
        <translation>Атрибути</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Id:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Name:</source>
        <translation>Назва:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Code:</source>
        <translation>Код:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Login:</source>
        <translation>Логін:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Password:</source>
        <translation>Пароль:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Credit key:</source>
        <translation>Ключ зарахування:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Incoming commission %:</source>
        <translation>Вхідна комісія, %:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Outgoing commission %:</source>
        <translation>Вихідна комісія, %:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Enabled</source>
        <translation>Увімкнено</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Url</source>
        <translation>URL</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>API URL:</source>
        <translation>URL API:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>HTTP checkout address:</source>
        <translation>HTTP-адреса оплати:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>URL for status track:</source>
        <translation>URL відстеження статусу:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>URL after pay:</source>
        <translation>URL після оплати:</translation>
    </message>
</context>
<context>
    <name>PaymentSystemLogContainer</name>
    <message>
        <location filename="../qml/payment/payment-system-log/PaymentSystemLogContainer.qml" line="+111"/>
        <source>All companies</source>
        <translation>Усі компанії</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>All payment systems</source>
        <translation>Усі платіжні системи</translation>
    </message>
</context>
<context>
    <name>PaymentSystemLogEditor</name>
    <message>
        <location filename="../qml/payment/payment-system-log/PaymentSystemLogEditor.qml" line="+36"/>
        <source>Attributes</source>
        <translation>Атрибути</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Id:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sign:</source>
        <translation>Позивний:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Amount:</source>
        <translation>Сума:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Transaction key:</source>
        <translation>Ключ транзакції:</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Is successfully</source>
        <translation>Успішно</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Is completed</source>
        <translation>Завершено</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Data:</source>
        <translation>Дані:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Response:</source>
        <translation>Відповідь:</translation>
    </message>
</context>
<context>
    <name>PaymentSystemLogTable</name>
    <message>
        <location filename="../qml/payment/payment-system-log/PaymentSystemLogTable.qml" line="+8"/>
        <source>Payment System Logs</source>
        <translation>Журнали платіжних систем</translation>
    </message>
</context>
<context>
    <name>PaymentSystemTable</name>
    <message>
        <location filename="../qml/payment/payment-system/PaymentSystemTable.qml" line="+14"/>
        <source>Payment Systems</source>
        <translation>Платіжні системи</translation>
    </message>
</context>
<context>
    <name>ProlongedStatus</name>
    <message>
        <location filename="../qml/components/editor/ProlongedStatus.qml" line="+34"/>
        <source>Snooze</source>
        <translation>Відкласти</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>min.</source>
        <translation>хв.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Note of prolonged</source>
        <translation>Примітка до відкладення</translation>
    </message>
</context>
<context>
    <name>RecordName</name>
    <message>
        <location filename="../qml/components/subject/RecordName.qml" line="+15"/>
        <source>n/a</source>
        <translation>н/д</translation>
    </message>
</context>
<context>
    <name>RecordWatch</name>
    <message>
        <location filename="../qml/components/editor/RecordWatch.qml" line="+368"/>
        <source>The connection to the server was lost while the save waited for the record: the data was not saved. It stays in the form: save it once the program is connected again.</source>
        <translation>З&apos;єднання з сервером втрачено, поки збереження чекало на запис: дані не збережено. Вони залишаються у формі: збережіть їх, коли програма знову під&apos;єднається.</translation>
    </message>
    <message>
        <location line="+147"/>
        <source>The data was not saved: the form shows the stored record now.</source>
        <translation>Дані не збережено: форма тепер показує збережений запис.</translation>
    </message>
    <message>
        <location line="+121"/>
        <source>The record is locked by user &apos;%1&apos;. Save over the lock?</source>
        <translation>Запис заблоковано користувачем «%1». Зберегти попри блокування?</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Locked by user &apos;%1&apos;.</source>
        <translation>Заблоковано користувачем «%1».</translation>
    </message>
</context>
<context>
    <name>ScheduleBox</name>
    <message>
        <location filename="../qml/components/subject/ScheduleBox.qml" line="+9"/>
        <source>Order type</source>
        <translation>Тип замовлення</translation>
    </message>
</context>
<context>
    <name>SecurityOptionValues</name>
    <message>
        <location filename="../qml/security-options/SecurityOptionValues.qml" line="+255"/>
        <source>Security option group</source>
        <translation>Група параметрів безпеки</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Set All to [No]</source>
        <translation>Встановити все в [Ні]</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>Set All to [Yes]</source>
        <translation>Встановити все в [Так]</translation>
    </message>
    <message>
        <location line="-144"/>
        <source>Set all options of the list to [No]?</source>
        <translation>Встановити всі параметри списку в [Ні]?</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Set all options of the list to [Yes]?</source>
        <translation>Встановити всі параметри списку в [Так]?</translation>
    </message>
</context>
<context>
    <name>SecurityOptionsEditor</name>
    <message>
        <location filename="../qml/security-options/SecurityOptionsEditor.qml" line="+61"/>
        <source>Absent secure option for controller %1</source>
        <translation>Немає параметра безпеки для контролера %1</translation>
    </message>
    <message>
        <location line="+165"/>
        <source>Add...</source>
        <translation>Додати...</translation>
    </message>
    <message>
        <location line="-51"/>
        <source>Attributes</source>
        <translation>Атрибути</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>Description:</source>
        <translation>Опис:</translation>
    </message>
    <message>
        <location line="-37"/>
        <source>Hide columns:</source>
        <translation>Приховати стовпці:</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>Id:</source>
        <translation>Id:</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Is using</source>
        <translation>Використовується</translation>
    </message>
    <message>
        <location line="-60"/>
        <source>Option name:</source>
        <translation>Ім&apos;я параметра:</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Option value</source>
        <translation>Значення параметра</translation>
    </message>
    <message>
        <location line="-17"/>
        <source>Option value:</source>
        <translation>Значення параметра:</translation>
    </message>
    <message>
        <location line="-94"/>
        <source>Remove selected rows?</source>
        <translation>Видалити вибрані рядки?</translation>
    </message>
    <message>
        <location line="+138"/>
        <source>Remove...</source>
        <translation>Видалити...</translation>
    </message>
</context>
<context>
    <name>SessionContainer</name>
    <message>
        <location filename="../qml/components/table/SessionContainer.qml" line="+86"/>
        <source>Confirm closing session</source>
        <translation>Підтвердіть закриття сесії</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Closed</source>
        <translation>Закриті</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Unclosed</source>
        <translation>Незакриті</translation>
    </message>
</context>
<context>
    <name>SmsEditor</name>
    <message>
        <location filename="../qml/sms/SmsEditor.qml" line="+39"/>
        <source>Variables</source>
        <translation>Змінні</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Driver sign</source>
        <translation>Позивний водія</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Attributes</source>
        <translation>Атрибути</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Id:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Name:</source>
        <translation>Назва:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Code:</source>
        <translation>Код:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Value:</source>
        <translation>Значення:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Use</source>
        <translation>Використовувати</translation>
    </message>
</context>
<context>
    <name>SmsTable</name>
    <message>
        <location filename="../qml/sms/SmsTable.qml" line="+13"/>
        <source>SMS Control</source>
        <translation>Керування SMS</translation>
    </message>
</context>
<context>
    <name>StartEndDateTime</name>
    <message>
        <location filename="../qml/components/text/StartEndDateTime.qml" line="+96"/>
        <source>Start date:</source>
        <translation>Дата початку:</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>End date:</source>
        <translation>Дата закінчення:</translation>
    </message>
</context>
<context>
    <name>StartEndDateTimeApply</name>
    <message>
        <location filename="../qml/components/text/StartEndDateTimeApply.qml" line="+28"/>
        <source>Apply</source>
        <translation>Застосувати</translation>
    </message>
</context>
<context>
    <name>StartEndTime</name>
    <message>
        <location filename="../qml/components/text/StartEndTime.qml" line="+22"/>
        <source>Start time:</source>
        <translation>Час початку:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>End time:</source>
        <translation>Час закінчення:</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <location filename="../qml/components/table/Table.qml" line="+488"/>
        <source>Keep current entry selected</source>
        <translation>Зберігати вибір поточного запису</translation>
    </message>
</context>
<context>
    <name>TableColumnMenu</name>
    <message>
        <location filename="../qml/components/table/TableColumnMenu.qml" line="+40"/>
        <source>Default</source>
        <translation>За замовчуванням</translation>
    </message>
</context>
<context>
    <name>TableContainer</name>
    <message>
        <location filename="../qml/components/table/TableContainer.qml" line="+183"/>
        <source>Row count:</source>
        <translation>Рядків:</translation>
    </message>
</context>
<context>
    <name>TableFilterMenu</name>
    <message>
        <location filename="../qml/components/table/TableFilterMenu.qml" line="+18"/>
        <source>Search...</source>
        <translation>Пошук...</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Extended Search</source>
        <translation>Розширений пошук</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Row Limit...</source>
        <translation>Обмеження рядків...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Select All</source>
        <translation>Виділити все</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Unselect All</source>
        <translation>Зняти виділення</translation>
    </message>
</context>
<context>
    <name>TableListView</name>
    <message>
        <location filename="../qml/components/tablelist/TableListView.qml" line="+113"/>
        <source>Record removed successfuly</source>
        <translation>Запис успішно видалено</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Created duplicate of record with id %1</source>
        <translation>Створено дублікат запису з ID %1</translation>
    </message>
</context>
<context>
    <name>TableUserLockedDelegate</name>
    <message>
        <location filename="../qml/components/table/delegates/TableUserLockedDelegate.qml" line="+15"/>
        <source>n/a</source>
        <translation>н/д</translation>
    </message>
</context>
<context>
    <name>TableViewBase</name>
    <message>
        <location filename="../qml/components/table/TableViewBase.qml" line="+481"/>
        <source>Loading…</source>
        <translation>Завантаження…</translation>
    </message>
</context>
<context>
    <name>TableViewRole</name>
    <message>
        <location filename="../qml/security-options/TableViewRole.qml" line="+38"/>
        <source>Role</source>
        <translation>Роль</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Title</source>
        <translation>Заголовок</translation>
    </message>
</context>
<context>
    <name>TerminalCompanyEditor</name>
    <message>
        <location filename="../qml/company/terminal-company/TerminalCompanyEditor.qml" line="+46"/>
        <source>Attributes</source>
        <translation>Атрибути</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Id:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sign:</source>
        <translation>Позивний:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Blocked</source>
        <translation>Заблокована</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Change password...</source>
        <translation>Змінити пароль...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Inner note</source>
        <translation>Внутрішня нотатка</translation>
    </message>
</context>
<context>
    <name>TerminalCompanyTable</name>
    <message>
        <location filename="../qml/company/terminal-company/TerminalCompanyTable.qml" line="+17"/>
        <source>Terminal Companies</source>
        <translation>Термінальні компанії</translation>
    </message>
</context>
<context>
    <name>TextAreaEx</name>
    <message>
        <location filename="../qml/components/text/TextAreaEx.qml" line="+90"/>
        <source>Too long to edit here: %1 characters</source>
        <translation>Задовгий для редагування тут: %1 символів</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>Nothing was added: the text holds at most %1 characters, %2 in a line</source>
        <translation>Нічого не додано: текст вміщує не більше %1 символів, %2 у рядку</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The text was cut to %1 characters, %2 in a line</source>
        <translation>Текст обрізано до %1 символів, не більше %2 у рядку</translation>
    </message>
</context>
<context>
    <name>TextFieldEx</name>
    <message>
        <location filename="../qml/components/text/TextFieldEx.qml" line="+62"/>
        <source>The text was cut to %1 characters</source>
        <translation>Текст обрізано до %1 символів</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>Too long to edit here: %1 characters</source>
        <translation>Задовгий для редагування тут: %1 символів</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 characters</source>
        <translation>%1 символів</translation>
    </message>
</context>
<context>
    <name>ToolButtonAdd</name>
    <message>
        <location filename="../qml/components/toolbuttons/ToolButtonAdd.qml" line="+6"/>
        <source>Add</source>
        <translation>Додати</translation>
    </message>
</context>
<context>
    <name>ToolButtonDuplicate</name>
    <message>
        <location filename="../qml/components/toolbuttons/ToolButtonDuplicate.qml" line="+14"/>
        <source>Duplicate</source>
        <translation>Дублювати</translation>
    </message>
</context>
<context>
    <name>ToolButtonDuplicateEditor</name>
    <message>
        <location filename="../qml/components/toolbuttons/ToolButtonDuplicateEditor.qml" line="+32"/>
        <source>Duplicate</source>
        <translation>Дублювати</translation>
    </message>
</context>
<context>
    <name>ToolButtonEdit</name>
    <message>
        <location filename="../qml/components/toolbuttons/ToolButtonEdit.qml" line="+10"/>
        <source>Edit</source>
        <translation>Змінити</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>View</source>
        <translation>Переглянути</translation>
    </message>
</context>
<context>
    <name>ToolButtonExcel</name>
    <message>
        <location filename="../qml/components/toolbuttons/ToolButtonExcel.qml" line="+16"/>
        <source>Cells whose text was longer than a workbook cell holds, cut to 32,767 characters ending in &quot;…&quot;: %1</source>
        <translation>Клітинки з текстом, довшим, ніж вміщує клітинка книги, обрізаним до 32 767 символів із «…» в кінці: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The table could not be exported:
%1</source>
        <translation>Не вдалося експортувати таблицю:
%1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The table was exported to:
%1

The system could not open it: open the file from that folder.</source>
        <translation>Таблицю експортовано до:
%1

Система не змогла її відкрити: відкрийте файл із цієї теки.</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <source>The table was exported to:
%1</source>
        <translation>Таблицю експортовано до:
%1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Export to Excel</source>
        <translation>Експорт в Excel</translation>
    </message>
</context>
<context>
    <name>ToolButtonRemove</name>
    <message>
        <location filename="../qml/components/toolbuttons/ToolButtonRemove.qml" line="+6"/>
        <source>Remove</source>
        <translation>Видалити</translation>
    </message>
</context>
<context>
    <name>ToolButtonSelect</name>
    <message>
        <location filename="../qml/components/toolbuttons/ToolButtonSelect.qml" line="+10"/>
        <source>Select</source>
        <translation>Вибрати</translation>
    </message>
</context>
<context>
    <name>ToolButtonUp</name>
    <message>
        <location filename="../qml/components/toolbuttons/ToolButtonUp.qml" line="+6"/>
        <source>Call</source>
        <translation>Зателефонувати</translation>
    </message>
</context>
<context>
    <name>UserAccess</name>
    <message>
        <location filename="../qml/components/editor/UserAccess.qml" line="+19"/>
        <source>Access:</source>
        <translation>Доступ:</translation>
    </message>
</context>
<context>
    <name>UserBox</name>
    <message>
        <location filename="../qml/components/subject/UserBox.qml" line="+26"/>
        <source>User</source>
        <translation>Користувач</translation>
    </message>
</context>
<context>
    <name>UserEditor</name>
    <message>
        <location filename="../qml/user/user/UserEditor.qml" line="+32"/>
        <source>Essentials</source>
        <translation>Основне</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Security Options</source>
        <translation>Параметри безпеки</translation>
    </message>
    <message>
        <location line="-43"/>
        <source>User</source>
        <translation>Користувач</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>User Gui Sessions</source>
        <translation>GUI-сесії користувача</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>User Sessions</source>
        <translation>Сесії користувача</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>n/a</source>
        <translation>н/д</translation>
    </message>
</context>
<context>
    <name>UserEssentials</name>
    <message>
        <location filename="../qml/user/user/essentials/UserEssentials.qml" line="+149"/>
        <source>Attributes</source>
        <translation>Атрибути</translation>
    </message>
    <message>
        <location line="+66"/>
        <source>Blocked</source>
        <translation>Заблокований</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Change Password...</source>
        <translation>Змінити пароль...</translation>
    </message>
    <message>
        <location line="-83"/>
        <source>Copy security right</source>
        <translation>Копіювати права доступу</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>Copy settings</source>
        <translation>Копіювати налаштування</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>First Name:</source>
        <translation>Ім&apos;я:</translation>
    </message>
    <message>
        <location line="-35"/>
        <source>Id:</source>
        <translation>Id:</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>Inner note</source>
        <translation>Внутрішня примітка</translation>
    </message>
    <message>
        <location line="-17"/>
        <source>Is system:</source>
        <translation>Системний:</translation>
    </message>
    <message>
        <location line="-35"/>
        <source>Last name:</source>
        <translation>Прізвище:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Max sim calls:</source>
        <translation>Макс. одночасних дзвінків:</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Middle name:</source>
        <translation>По батькові:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Phone:</source>
        <translation>Телефон:</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>Sign:</source>
        <translation>Позивний:</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>User group</source>
        <translation>Група користувачів</translation>
    </message>
</context>
<context>
    <name>UserGroupEditor</name>
    <message>
        <location filename="../qml/user/user-group/UserGroupEditor.qml" line="+27"/>
        <source>Essentials</source>
        <translation>Основне</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Security Options</source>
        <translation>Параметри безпеки</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>User Group</source>
        <translation>Група користувачів</translation>
    </message>
</context>
<context>
    <name>UserGroupEssentials</name>
    <message>
        <location filename="../qml/user/user-group/essentials/UserGroupEssentials.qml" line="+91"/>
        <source>After update current connections of group will be closed. Do you want to update?</source>
        <translation>Після зміни поточні підключення групи буде закрито. Змінити?</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Attributes</source>
        <translation>Атрибути</translation>
    </message>
    <message>
        <location line="-10"/>
        <source>Copy security right</source>
        <translation>Копіювати права доступу</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Description</source>
        <translation>Опис</translation>
    </message>
    <message>
        <location line="-24"/>
        <source>Id:</source>
        <translation>Id:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Is system:</source>
        <translation>Системна:</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>Name:</source>
        <translation>Назва:</translation>
    </message>
</context>
<context>
    <name>UserGroupTable</name>
    <message>
        <location filename="../qml/user/user-group/UserGroupTable.qml" line="+27"/>
        <source>User Groups</source>
        <translation>Групи користувачів</translation>
    </message>
</context>
<context>
    <name>UserGuiSessionEditor</name>
    <message>
        <location filename="../qml/user/user-gui-session/UserGuiSessionEditor.qml" line="+92"/>
        <source>Attributes</source>
        <translation>Атрибути</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Auto save</source>
        <translation>Автозбереження</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>Default:</source>
        <translation>За замовчуванням:</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Id:</source>
        <translation>Id:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Name:</source>
        <translation>Назва:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Note:</source>
        <translation>Примітка:</translation>
    </message>
    <message>
        <location line="-54"/>
        <source>The value is not a valid JSON object</source>
        <translation>Значення не є правильним об&apos;єктом JSON</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Value:</source>
        <translation>Значення:</translation>
    </message>
</context>
<context>
    <name>UserGuiSessionTable</name>
    <message>
        <location filename="../qml/user/user-gui-session/UserGuiSessionTable.qml" line="+49"/>
        <source>Apply</source>
        <translation>Застосувати</translation>
    </message>
</context>
<context>
    <name>UserLocked</name>
    <message>
        <location filename="../qml/components/editor/UserLocked.qml" line="+12"/>
        <source>n/a</source>
        <translation>н/д</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Locked by:</source>
        <translation>Заблоковано:</translation>
    </message>
</context>
<context>
    <name>UserSessionContainer</name>
    <message>
        <location filename="../qml/user/user-session/UserSessionContainer.qml" line="+48"/>
        <source>Close session</source>
        <translation>Закрити сесію</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>User</source>
        <translation>Користувач</translation>
    </message>
</context>
<context>
    <name>UserSessionEditor</name>
    <message>
        <location filename="../qml/user/user-session/UserSessionEditor.qml" line="+59"/>
        <source>Attributes</source>
        <translation>Атрибути</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Build ABI:</source>
        <translation>ABI збірки:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Duration:</source>
        <translation>Тривалість:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>End date:</source>
        <translation>Дата закінчення:</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>IP:</source>
        <translation>IP:</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Id:</source>
        <translation>Id:</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Last sync time:</source>
        <translation>Час останньої синхронізації:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Note:</source>
        <translation>Примітка:</translation>
    </message>
    <message>
        <location line="-23"/>
        <source>OS name:</source>
        <translation>Назва ОС:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Other</source>
        <translation>Інше</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>Port:</source>
        <translation>Порт:</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Sign:</source>
        <translation>Позивний:</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Start date:</source>
        <translation>Дата початку:</translation>
    </message>
    <message>
        <location line="-17"/>
        <source>Version:</source>
        <translation>Версія:</translation>
    </message>
</context>
<context>
    <name>UserSessionTable</name>
    <message>
        <location filename="../qml/user/user-session/UserSessionTable.qml" line="+10"/>
        <source>User Sessions</source>
        <translation>Сесії користувачів</translation>
    </message>
</context>
<context>
    <name>UserTable</name>
    <message>
        <location filename="../qml/user/user/UserTable.qml" line="+54"/>
        <source>Users</source>
        <translation>Користувачі</translation>
    </message>
</context>
<context>
    <name>UstBox</name>
    <message>
        <location filename="../qml/components/subject/UstBox.qml" line="+18"/>
        <source>Schedule name</source>
        <translation>Назва розкладу</translation>
    </message>
</context>
<context>
    <name>VersionEditor</name>
    <message>
        <location filename="../qml/version/VersionEditor.qml" line="+21"/>
        <source>Versions</source>
        <translation>Версії</translation>
    </message>
    <message>
        <location line="+86"/>
        <source>The server has no version row &quot;%1&quot;</source>
        <translation>На сервері немає рядка версії «%1»</translation>
    </message>
    <message>
        <location line="+106"/>
        <source>Minimal:</source>
        <translation>Мінімальна:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Recommended:</source>
        <translation>Рекомендована:</translation>
    </message>
</context>
<context>
    <name>code</name>
    <message>
        <location filename="../qml/js/inner-codes/driver-paid-service-type/code.js" line="+6"/>
        <source>DRIVER PAID SERVICE TYPE: </source>
        <translation>ТИП ПЛАТНОЇ ПОСЛУГИ ВОДІЯ: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to define paid service type</source>
        <translation>Не вдалося визначити тип платної послуги</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to insert entry in balance log</source>
        <translation>Не вдалося додати запис до журналу балансу</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to define user created</source>
        <translation>Не вдалося визначити автора запису</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Serivce type is disabled</source>
        <translation>Тип послуги вимкнено</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Price of service type is 0</source>
        <translation>Ціна типу послуги дорівнює 0</translation>
    </message>
    <message>
        <location filename="../qml/js/inner-codes/password-dialog/code.js" line="+5"/>
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
</context>
<context>
    <name>dialog</name>
    <message>
        <location filename="../qml/js/dialog.js" line="+67"/>
        <source>Do you want to delete record?</source>
        <translation>Видалити запис?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Do you want to delete records?</source>
        <translation>Видалити записи?</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Data changed while the connection was lost. Apply?</source>
        <translation>Дані змінилися, поки не було зв’язку з сервером. Застосувати?</translation>
    </message>
    <message>
        <location line="-1"/>
        <location line="+15"/>
        <source>Data changed by user &apos;%1&apos;. Apply?</source>
        <translation>Дані змінено користувачем «%1». Застосувати?</translation>
    </message>
    <message>
        <location line="-13"/>
        <source>Data changed on the server. Apply?</source>
        <translation>Дані змінилися на сервері. Застосувати?</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Order contains bank card. Do you want to dublicate record?</source>
        <translation>Замовлення містить банківську картку. Дублювати запис?</translation>
    </message>
</context>
<context>
    <name>errors</name>
    <message>
        <location filename="../qml/js/errors.js" line="+13"/>
        <source>Name is not unique</source>
        <translation>Назва не унікальна</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Balance type isn&apos;t selected</source>
        <translation>Не вибрано тип балансу</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sign of price doesn&apos;t match sign of balance type</source>
        <translation>Знак ціни не відповідає знаку типу балансу</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to create balance type object</source>
        <translation>Не вдалося створити об&apos;єкт типу балансу</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to define balance type</source>
        <translation>Не вдалося визначити тип балансу</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Owner is already connected to this paid service</source>
        <translation>Власника вже підключено до цієї платної послуги</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Code isn&apos;t unique</source>
        <translation>Код не унікальний</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rating must be in interval from 1.0 to 5.0</source>
        <translation>Рейтинг має бути в інтервалі від 1.0 до 5.0</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to define company</source>
        <translation>Не вдалося визначити компанію</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Forbidden to delete the system record</source>
        <translation>Видаляти системний запис заборонено</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Can&apos;t remove last car</source>
        <translation>Неможливо видалити останній автомобіль</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>CLOSE SESSION: </source>
        <translation>ЗАКРИТТЯ СЕСІЇ: </translation>
    </message>
</context>
<context>
    <name>errors-base</name>
    <message>
        <location filename="../qml/js/errors-base.js" line="+14"/>
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
        <location line="+1"/>
        <location line="+103"/>
        <location line="+5"/>
        <source>Exception occurred</source>
        <translation>Виникла виняткова ситуація</translation>
    </message>
    <message>
        <location line="-104"/>
        <source>Sign is empty</source>
        <translation>Не вказано позивний</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sign contains prohibited symbols</source>
        <translation>Позивний містить неприпустимі символи</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sign already exist in db</source>
        <translation>Позивний уже існує в БД</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+1"/>
        <source>Group doesn&apos;t exist in db</source>
        <translation>Група відсутня в БД</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+26"/>
        <source>Name is empty</source>
        <translation>Не вказано назву</translation>
    </message>
    <message>
        <location line="-25"/>
        <source>Group name already exist in db</source>
        <translation>Група з такою назвою вже існує в БД</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Name of group is empty</source>
        <translation>Не вказано назву групи</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name of group already exist in db</source>
        <translation>Група з такою назвою вже існує в БД</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error create security rules for group</source>
        <translation>Помилка створення правил доступу для групи</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Forbidden to remove Administrators group</source>
        <translation>Видаляти групу адміністраторів заборонено</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Failed to create new entry</source>
        <translation>Не вдалося створити новий запис</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Item already assigned on the duty</source>
        <translation>Елемент уже призначено на чергування</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All planned units was assigned</source>
        <translation>Усі заплановані одиниці вже призначено</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to define item of planing duties journal</source>
        <translation>Не вдалося визначити елемент журналу планування чергувань</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to define amount of assigned units</source>
        <translation>Не вдалося визначити кількість призначених одиниць</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Duty type of planned duties doesn&apos;t match with type of item duty</source>
        <translation>Тип запланованих чергувань не відповідає типу чергування елемента</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+1"/>
        <source>Failed to update data</source>
        <translation>Не вдалося оновити дані</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Code already exists</source>
        <translation>Код уже існує</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order status already exists</source>
        <translation>Статус замовлення вже існує</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order status is empty</source>
        <translation>Не вказано статус замовлення</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Failed to remove system record</source>
        <translation>Не вдалося видалити системний запис</translation>
    </message>
    <message>
        <location line="+15"/>
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
        <location line="+1"/>
        <location line="+9"/>
        <location line="+8"/>
        <location line="+4"/>
        <location line="+5"/>
        <source>Failed to start transaction</source>
        <translation>Не вдалося почати транзакцію</translation>
    </message>
    <message>
        <location line="-25"/>
        <location line="+9"/>
        <location line="+12"/>
        <location line="+5"/>
        <source>Transaction commit error</source>
        <translation>Помилка фіксації транзакції</translation>
    </message>
    <message>
        <location line="-25"/>
        <location line="+9"/>
        <location line="+8"/>
        <location line="+10"/>
        <source>DB lost connection</source>
        <translation>Втрачено з&apos;єднання з БД</translation>
    </message>
    <message>
        <location line="-24"/>
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
        <location line="+6"/>
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
        <location line="+5"/>
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
        <location line="+3"/>
        <source>LOCK: </source>
        <translation>БЛОКУВАННЯ: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undefined error on lock record</source>
        <translation>Невідома помилка під час блокування запису</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>UNLOCK: </source>
        <translation>РОЗБЛОКУВАННЯ: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undefined error on unlock record</source>
        <translation>Невідома помилка під час розблокування запису</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Untitled error for controller </source>
        <translation>Неописана помилка контролера </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>code</source>
        <translation>код</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>controller</source>
        <translation>контролер</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>security group</source>
        <translation>група безпеки</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Opcode</source>
        <translation>Код операції</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>description: </source>
        <translation>опис: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Exception Description: </source>
        <translation>Опис винятку: </translation>
    </message>
</context>
<context>
    <name>hardcode</name>
    <message>
        <location filename="../qml/js/hardcode.js" line="+21"/>
        <source>January</source>
        <translation>Січень</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>February</source>
        <translation>Лютий</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>March</source>
        <translation>Березень</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>April</source>
        <translation>Квітень</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>May</source>
        <translation>Травень</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>June</source>
        <translation>Червень</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>July</source>
        <translation>Липень</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>August</source>
        <translation>Серпень</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>September</source>
        <translation>Вересень</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>October</source>
        <translation>Жовтень</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>November</source>
        <translation>Листопад</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>December</source>
        <translation>Грудень</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Status</source>
        <translation>Статус</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hold</source>
        <translation>Блокування коштів</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Capture</source>
        <translation>Списання</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Buy</source>
        <translation>Купівля</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reverse</source>
        <translation>Повернення</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Peer to peer</source>
        <translation>P2P-переказ</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Current</source>
        <translation>Поточні</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Resolved</source>
        <translation>Вирішені</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not resolved</source>
        <translation>Невирішені</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Deleted</source>
        <translation>Видалені</translation>
    </message>
</context>
<context>
    <name>phototags</name>
    <message>
        <location filename="../qml/driver/driver/photo/phototags.js" line="+5"/>
        <source>Own photo</source>
        <translation>Власне фото</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Car data sheet (page 1)</source>
        <translation>Техпаспорт (стор. 1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Car data sheet (page 2)</source>
        <translation>Техпаспорт (стор. 2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>License (page 1)</source>
        <translation>Посвідчення (стор. 1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>License (page 2)</source>
        <translation>Посвідчення (стор. 2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Car outside front</source>
        <translation>Кузов спереду</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Car outside back</source>
        <translation>Кузов ззаду</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Car outside left</source>
        <translation>Кузов зліва</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Car outside right</source>
        <translation>Кузов справа</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Car inside front</source>
        <translation>Салон спереду</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Car inside back</source>
        <translation>Салон ззаду</translation>
    </message>
</context>
<context>
    <name>status-code</name>
    <message>
        <location filename="../qml/js/status-code.js" line="+20"/>
        <source>Prepare cashless order</source>
        <translation>Підготовка безготівкового замовлення</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Successfully saved</source>
        <translation>Успішно збережено</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Attempt to send on server</source>
        <translation>Спроба надсилання на сервер</translation>
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
        <translation>Невідома помилка</translation>
    </message>
    <message>
        <location line="-130"/>
        <source>Order not found</source>
        <translation>Замовлення не знайдено</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+20"/>
        <location line="+64"/>
        <source>Order type not found</source>
        <translation>Тип замовлення не знайдено</translation>
    </message>
    <message>
        <location line="-83"/>
        <location line="+16"/>
        <location line="+49"/>
        <location line="+13"/>
        <source>Company not found</source>
        <translation>Компанію не знайдено</translation>
    </message>
    <message>
        <location line="-77"/>
        <source>Tariff not set</source>
        <translation>Тариф не задано</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Client not found</source>
        <translation>Клієнта не знайдено</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+17"/>
        <source>Driver not found</source>
        <translation>Водія не знайдено</translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+17"/>
        <location line="+46"/>
        <source>Driver terminal blocked</source>
        <translation>Термінал водія заблоковано</translation>
    </message>
    <message>
        <location line="-62"/>
        <location line="+17"/>
        <source>Driver status isn&apos;t free</source>
        <translation>Водій не в статусі «Вільний»</translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+17"/>
        <source>Driver not connected to order type</source>
        <translation>Водія не підключено до типу замовлення</translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+17"/>
        <location line="+46"/>
        <source>Driver tempory disconnected</source>
        <translation>Водія тимчасово відключено</translation>
    </message>
    <message>
        <location line="-62"/>
        <location line="+30"/>
        <source>Failed to init records in TZA</source>
        <translation>Не вдалося ініціалізувати записи в TZA</translation>
    </message>
    <message>
        <location line="-29"/>
        <source>Failed to define coords of 1st feed address</source>
        <translation>Не вдалося визначити координати першої адреси подачі</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to assamble order message</source>
        <translation>Не вдалося сформувати повідомлення замовлення</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to assamble way points message</source>
        <translation>Не вдалося сформувати повідомлення точок маршруту</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+31"/>
        <source>Driver didn&apos;t accept order type</source>
        <translation>Водій не приймає цей тип замовлення</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>Order successfully saved on server</source>
        <translation>Замовлення успішно збережено на сервері</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order already exists in db</source>
        <translation>Замовлення вже існує в БД</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Invalid time of feed time offset</source>
        <translation>Неправильне зміщення часу подачі</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+64"/>
        <source>Tariff not found</source>
        <translation>Тариф не знайдено</translation>
    </message>
    <message>
        <location line="-57"/>
        <source>Invalid feed time</source>
        <translation>Неправильний час подачі</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid time of start search driver (must be &gt;=0 and &lt;= 60)</source>
        <translation>Неправильний час початку пошуку водія (має бути &gt;=0 і &lt;= 60)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+53"/>
        <source>Failed to start transaction</source>
        <translation>Не вдалося почати транзакцію</translation>
    </message>
    <message>
        <location line="-52"/>
        <source>Failed commit transaction</source>
        <translation>Не вдалося зафіксувати транзакцію</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid feed time of way point</source>
        <translation>Неправильний час подачі для точки маршруту</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid lat coord</source>
        <translation>Неправильна широта</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid lon coord</source>
        <translation>Неправильна довгота</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to insert order</source>
        <translation>Не вдалося додати замовлення</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to insert way point</source>
        <translation>Не вдалося додати точку маршруту</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+53"/>
        <source>Failed to create snapshot of first part tariff</source>
        <translation>Не вдалося створити знімок першої частини тарифу</translation>
    </message>
    <message>
        <location line="-52"/>
        <location line="+53"/>
        <source>Failed to create snapshot of second part tariff</source>
        <translation>Не вдалося створити знімок другої частини тарифу</translation>
    </message>
    <message>
        <location line="-52"/>
        <location line="+53"/>
        <source>Failed to create snapshot of zones</source>
        <translation>Не вдалося створити знімок зон</translation>
    </message>
    <message>
        <location line="-52"/>
        <source>Failed to set link to first part of tariff</source>
        <translation>Не вдалося задати посилання на першу частину тарифу</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+52"/>
        <source>Failed to create snapshot of tariff of zone</source>
        <translation>Не вдалося створити знімок тарифу зони</translation>
    </message>
    <message>
        <location line="-51"/>
        <source>Undefined value of &apos;feed_is_fuzzy&apos;</source>
        <translation>Не задано значення &apos;feed_is_fuzzy&apos;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undefined value of &apos;feed_lat&apos;</source>
        <translation>Не задано значення &apos;feed_lat&apos;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undefined value of &apos;feed_lon&apos;</source>
        <translation>Не задано значення &apos;feed_lon&apos;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Driver has not selectes duty</source>
        <translation>Водій не вибрав чергування</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Balance of driver is low</source>
        <translation>Низький баланс водія</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Additional sum is invalid</source>
        <translation>Неправильна додаткова сума</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Searching driver</source>
        <translation>Пошук водія</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ignore driver from black list</source>
        <translation>Водія з чорного списку пропущено</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Return to autoassign</source>
        <translation>Повернення до автопризначення</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+9"/>
        <source>Driver found</source>
        <translation>Водія знайдено</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>Failed to define First tariff</source>
        <translation>Не вдалося визначити перший тариф</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to get list of driver</source>
        <translation>Не вдалося отримати список водіїв</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to prepare routino profile</source>
        <translation>Не вдалося підготувати профіль routino</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to prepare routino translation</source>
        <translation>Не вдалося підготувати переклад routino</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to init routino db</source>
        <translation>Не вдалося ініціалізувати БД routino</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to init routino</source>
        <translation>Не вдалося ініціалізувати routino</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to set driver in order</source>
        <translation>Не вдалося призначити водія на замовлення</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to define max distance</source>
        <translation>Не вдалося визначити максимальну відстань</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Booking</source>
        <translation>Попереднє замовлення</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start assign driver</source>
        <translation>Розпочато призначення водія</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+13"/>
        <source>First tariff not found</source>
        <translation>Перший тариф не знайдено</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>Driver status not free</source>
        <translation>Водій не вільний</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver not connected to tariff of order (no record in table connection)</source>
        <translation>Водія не підключено до тарифу замовлення (немає запису в таблиці підключень)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Driver not connected to tariff of order</source>
        <translation>Водія не підключено до тарифу замовлення</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error in assembling way points</source>
        <translation>Помилка формування точок маршруту</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error in assembling order</source>
        <translation>Помилка формування замовлення</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order successfully saved on terminal</source>
        <translation>Замовлення успішно збережено на терміналі</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error in insert order in db on driver terminal</source>
        <translation>Помилка додавання замовлення до БД термінала водія</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error in insert way poins of order in db on driver terminal</source>
        <translation>Помилка додавання точок маршруту замовлення до БД термінала водія</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Failed to commit transaction</source>
        <translation>Не вдалося зафіксувати транзакцію</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Failed to create storge for keep amount result</source>
        <translation>Не вдалося створити сховище для результату розрахунку суми</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver treminal has unfinished order</source>
        <translation>На терміналі водія є незавершене замовлення</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver staus isn&apos;t free</source>
        <translation>Водій не в статусі «Вільний»</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Failed to update link to snapshot of first part tariff</source>
        <translation>Не вдалося оновити посилання на знімок першої частини тарифу</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Waiting server resolution for accept order</source>
        <translation>Очікування дозволу сервера на прийняття замовлення</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Driver rejected order</source>
        <translation>Водій відхилив замовлення</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The time for accepting order has been expired</source>
        <translation>Час на прийняття замовлення минув</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Server allowed order to accept</source>
        <translation>Сервер дозволив прийняти замовлення</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Server denied order to accept</source>
        <translation>Сервер заборонив приймати замовлення</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Server allowed order to deny</source>
        <translation>Сервер дозволив відмовитися від замовлення</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Order started</source>
        <translation>Замовлення розпочато</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order reserved</source>
        <translation>Замовлення зарезервовано</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mode: move to client</source>
        <translation>Режим: рух до клієнта</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>On place</source>
        <translation>На місці</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start notification client</source>
        <translation>Розпочато сповіщення клієнта</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Notification of client completed</source>
        <translation>Сповіщення клієнта завершено</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Client notification is going on</source>
        <translation>Триває сповіщення клієнта</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Notification of client failed to start: Exception occurred</source>
        <translation>Не вдалося розпочати сповіщення клієнта: виникла виняткова ситуація</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Notification of client failed to start: Failed to define client</source>
        <translation>Не вдалося розпочати сповіщення клієнта: не вдалося визначити клієнта</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Notification of client failed to start: Failed to get list of servers of notification by call</source>
        <translation>Не вдалося розпочати сповіщення клієнта: не вдалося отримати список серверів сповіщення дзвінком</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Notification of client failed to start: Failed to define available entry of severs notification by call</source>
        <translation>Не вдалося розпочати сповіщення клієнта: не вдалося знайти доступний сервер сповіщення дзвінком</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Notification of client failed to start: Asterisk server absent in current AMI connections</source>
        <translation>Не вдалося розпочати сповіщення клієнта: сервер Asterisk відсутній серед поточних підключень AMI</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Notification of client failed to start: Field to define company</source>
        <translation>Не вдалося розпочати сповіщення клієнта: не вдалося визначити компанію</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Notification of client failed to start: Failed to prepared entry in CDR</source>
        <translation>Не вдалося розпочати сповіщення клієнта: не вдалося підготувати запис у CDR</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wait client started</source>
        <translation>Розпочато очікування клієнта</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Client in the car (start mode with client)</source>
        <translation>Клієнт в автомобілі (початок режиму з клієнтом)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pause on back way</source>
        <translation>Пауза на зворотному шляху</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Back way</source>
        <translation>Зворотний шлях</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Preparing for complete</source>
        <translation>Підготовка до завершення</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Complete order</source>
        <translation>Замовлення виконано</translation>
    </message>
</context>
<context>
    <name>utils</name>
    <message>
        <location filename="../qml/js/utils.js" line="+267"/>
        <source>Name</source>
        <translation>Ім&apos;я</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Balance</source>
        <translation>Баланс</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Phone</source>
        <translation>Телефон</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Send message</source>
        <translation>Надіслати повідомлення</translation>
    </message>
</context>
</TS>
