<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
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
        <translation>Дублировать</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>CarBodyTypesTable</name>
    <message>
        <location filename="../qml/driver/attributes/CarBodyTypesTable.qml" line="+6"/>
        <source>Car Body Types</source>
        <translation>Типы кузова</translation>
    </message>
</context>
<context>
    <name>CarBrandsTable</name>
    <message>
        <location filename="../qml/driver/attributes/CarBrandsTable.qml" line="+6"/>
        <source>Car Brands</source>
        <translation>Марки автомобилей</translation>
    </message>
</context>
<context>
    <name>CarColorsTable</name>
    <message>
        <location filename="../qml/driver/attributes/CarColorsTable.qml" line="+6"/>
        <source>Car Colors</source>
        <translation>Цвета автомобилей</translation>
    </message>
</context>
<context>
    <name>CarEditor</name>
    <message>
        <location filename="../qml/driver/car/CarEditor.qml" line="+14"/>
        <source>Car</source>
        <translation>Автомобиль</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Essentials</source>
        <translation>Основное</translation>
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
        <translation>Одобрен:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Selected:</source>
        <translation>Выбран:</translation>
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
        <translation>Цвет</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Sign</source>
        <translation>Позывной</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Identifier:</source>
        <translation>Идентификатор:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Model:</source>
        <translation>Модель:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Year:</source>
        <translation>Год выпуска:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Place amount:</source>
        <translation>Количество мест:</translation>
    </message>
</context>
<context>
    <name>CarTable</name>
    <message>
        <location filename="../qml/driver/car/CarTable.qml" line="+12"/>
        <source>Cars</source>
        <translation>Автомобили</translation>
    </message>
</context>
<context>
    <name>CityBox</name>
    <message>
        <location filename="../qml/components/subject/CityBox.qml" line="+27"/>
        <source>City</source>
        <translation>Город</translation>
    </message>
</context>
<context>
    <name>CityEditor</name>
    <message>
        <location filename="../qml/address/city/CityEditor.qml" line="+38"/>
        <source>Attributes</source>
        <translation>Атрибуты</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Id:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Name:</source>
        <translation>Название:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Location</source>
        <translation>Местоположение</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Coordinates:</source>
        <translation>Координаты:</translation>
    </message>
</context>
<context>
    <name>CityTable</name>
    <message>
        <location filename="../qml/address/city/CityTable.qml" line="+12"/>
        <source>Cities</source>
        <translation>Города</translation>
    </message>
</context>
<context>
    <name>ColorBox</name>
    <message>
        <location filename="../qml/components/ColorBox.qml" line="+36"/>
        <source>Color:</source>
        <translation>Цвет:</translation>
    </message>
</context>
<context>
    <name>CompanyBalanceTable</name>
    <message>
        <location filename="../qml/company/company/balance/CompanyBalanceTable.qml" line="+23"/>
        <source>Company balance group can not be All</source>
        <translation>Группа баланса компании не может быть «Все»</translation>
    </message>
</context>
<context>
    <name>CompanyBox</name>
    <message>
        <location filename="../qml/components/subject/CompanyBox.qml" line="+18"/>
        <source>Company</source>
        <translation>Компания</translation>
    </message>
</context>
<context>
    <name>CompanyEditor</name>
    <message>
        <location filename="../qml/company/company/CompanyEditor.qml" line="+30"/>
        <source>Essentials</source>
        <translation>Основное</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Balance</source>
        <translation>Баланс</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Payment system accounts</source>
        <translation>Счета платежных систем</translation>
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
        <translation>Название:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Balance:</source>
        <translation>Баланс:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Lost profit:</source>
        <translation>Упущенная выгода:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Is system:</source>
        <translation>Системная:</translation>
    </message>
</context>
<context>
    <name>CompanyTable</name>
    <message>
        <location filename="../qml/company/company/CompanyTable.qml" line="+18"/>
        <source>Companies</source>
        <translation>Компании</translation>
    </message>
</context>
<context>
    <name>CrashReportTable</name>
    <message>
        <location filename="../qml/crash/CrashReportTable.qml" line="+37"/>
        <source>Failed to save the database file %1</source>
        <translation>Не удалось сохранить файл базы данных %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Crash Reports</source>
        <translation>Отчеты о сбоях</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Database is absent or corrupted</source>
        <translation>База данных отсутствует или повреждена</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Save Database File</source>
        <translation>Сохранить файл базы данных</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Database files (*.db)</source>
        <translation>Файлы баз данных (*.db)</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Download Database</source>
        <translation>Скачать базу данных</translation>
    </message>
</context>
<context>
    <name>DateEdit</name>
    <message>
        <location filename="../qml/components/text/DateEdit.qml" line="+52"/>
        <source>Invalid date</source>
        <translation>Неверная дата</translation>
    </message>
</context>
<context>
    <name>DoubleOwnerTables</name>
    <message>
        <location filename="../qml/components/subject/DoubleOwnerTables.qml" line="+26"/>
        <source>Groups</source>
        <translation>Группы</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Users</source>
        <translation>Пользователи</translation>
    </message>
</context>
<context>
    <name>DriverArchive</name>
    <message>
        <location filename="../qml/driver/driver/essentials/DriverArchive.qml" line="+20"/>
        <source>Confirm moving to archive</source>
        <translation>Подтвердите перемещение в архив</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Confirm returning from archive</source>
        <translation>Подтвердите возврат из архива</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Archive operation successfully completed</source>
        <translation>Операция с архивом успешно выполнена</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Return from archive...</source>
        <translation>Вернуть из архива...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Move to archive...</source>
        <translation>Переместить в архив...</translation>
    </message>
</context>
<context>
    <name>DriverArchiveTable</name>
    <message>
        <location filename="../qml/driver/driver/DriverArchiveTable.qml" line="+39"/>
        <source>Drivers In Archive</source>
        <translation>Водители в архиве</translation>
    </message>
</context>
<context>
    <name>DriverBalanceTransferEditor</name>
    <message>
        <location filename="../qml/driver/driver-balance-transfer/DriverBalanceTransferEditor.qml" line="+64"/>
        <source>Attributes</source>
        <translation>Атрибуты</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Id:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Sign contributor</source>
        <translation>Позывной отправителя</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Sign acceptor</source>
        <translation>Позывной получателя</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Transaction key:</source>
        <translation>Ключ транзакции:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Amount to credit:</source>
        <translation>Сумма зачисления:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Amount to debit:</source>
        <translation>Сумма списания:</translation>
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
        <translation>Срок операции:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Amount attempts:</source>
        <translation>Количество попыток:</translation>
    </message>
</context>
<context>
    <name>DriverBalanceTransferTable</name>
    <message>
        <location filename="../qml/driver/driver-balance-transfer/DriverBalanceTransferTable.qml" line="+15"/>
        <source>Driver Balance Transfers</source>
        <translation>Переводы баланса водителей</translation>
    </message>
</context>
<context>
    <name>DriverBox</name>
    <message>
        <location filename="../qml/components/subject/DriverBox.qml" line="+11"/>
        <source>Driver</source>
        <translation>Водитель</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Auto assign</source>
        <translation>Автоназначение</translation>
    </message>
</context>
<context>
    <name>DriverEditor</name>
    <message>
        <location filename="../qml/driver/driver/DriverEditor.qml" line="+16"/>
        <source>Cars</source>
        <translation>Автомобили</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Balance</source>
        <translation>Баланс</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Payments Log</source>
        <translation>Журнал платежей</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Paid services</source>
        <translation>Платные услуги</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sessions</source>
        <translation>Сеансы</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Photo</source>
        <translation>Фото</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Essentials</source>
        <translation>Основное</translation>
    </message>
</context>
<context>
    <name>DriverEssentials</name>
    <message>
        <location filename="../qml/driver/driver/essentials/DriverEssentials.qml" line="+51"/>
        <source>Confirm to remove recommender</source>
        <translation>Подтвердите удаление рекомендателя</translation>
    </message>
    <message>
        <location line="+136"/>
        <source>system</source>
        <translation>система</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Driver</source>
        <translation>Водитель</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Id:</source>
        <translation>Ид.:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>City</source>
        <translation>Город</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Driver group</source>
        <translation>Группа водителей</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Car company</source>
        <translation>Компания автомобиля</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Status:</source>
        <translation>Статус:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sign:</source>
        <translation>Позывной:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Last name:</source>
        <translation>Фамилия:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>First name:</source>
        <translation>Имя:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Middle name:</source>
        <translation>Отчество:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Phone:</source>
        <translation>Телефон:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Secondary phone:</source>
        <translation>Второй телефон:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Recommender:</source>
        <translation>Рекомендатель:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Remove...</source>
        <translation>Удалить...</translation>
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
        <translation>Подробнее...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>System note:</source>
        <translation>Системная заметка:</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Automatic archiving</source>
        <translation>Автоматическая архивация</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Order receiving priority</source>
        <translation>Приоритет получения заказов</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Blocked</source>
        <translation>Заблокирован</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Change Password...</source>
        <translation>Сменить пароль...</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Override duty amount</source>
        <translation>Своя сумма дежурства</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+16"/>
        <source>Duty amount:</source>
        <translation>Сумма дежурства:</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Override duty amount for a month</source>
        <translation>Своя сумма дежурства на месяц</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Attributes</source>
        <translation>Атрибуты</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Latitude:</source>
        <translation>Широта:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Longitude:</source>
        <translation>Долгота:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Altitude:</source>
        <translation>Высота:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Is moving:</source>
        <translation>В движении:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Speed:</source>
        <translation>Скорость:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Course:</source>
        <translation>Курс:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fix GPS:</source>
        <translation>Фиксация GPS:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Additional payment</source>
        <translation>Дополнительная оплата</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+41"/>
        <source>Override group</source>
        <translation>Вместо группы</translation>
    </message>
    <message>
        <location line="-33"/>
        <source>Enable additional payment</source>
        <translation>Включить дополнительную оплату</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Percent:</source>
        <translation>Процент:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Absolute values:</source>
        <translation>Абсолютные значения:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Distance penalty</source>
        <translation>Штраф за расстояние</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Enable distance penalty</source>
        <translation>Включить штраф за расстояние</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Distance - Penalty:</source>
        <translation>Расстояние - Штраф:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Cancel per day:</source>
        <translation>Отмен в день:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Inner note</source>
        <translation>Внутренняя заметка</translation>
    </message>
</context>
<context>
    <name>DriverGroupEditor</name>
    <message>
        <location filename="../qml/driver/driver-group/DriverGroupEditor.qml" line="+56"/>
        <source>Attributes</source>
        <translation>Атрибуты</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Id:</source>
        <translation>Ид.:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Name:</source>
        <translation>Название:</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Description</source>
        <translation>Описание</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Additional payment</source>
        <translation>Дополнительная оплата</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Enable additional payment</source>
        <translation>Включить дополнительную оплату</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Percent:</source>
        <translation>Процент:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Absolute values:</source>
        <translation>Абсолютные значения:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Distance penalty</source>
        <translation>Штраф за расстояние</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Enable distance penalty</source>
        <translation>Включить штраф за расстояние</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Distance - Penalty:</source>
        <translation>Расстояние - Штраф:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Cancel per day:</source>
        <translation>Отмен в день:</translation>
    </message>
</context>
<context>
    <name>DriverGroupTable</name>
    <message>
        <location filename="../qml/driver/driver-group/DriverGroupTable.qml" line="+17"/>
        <source>Driver Groups</source>
        <translation>Группы водителей</translation>
    </message>
</context>
<context>
    <name>DriverPaidServiceEditor</name>
    <message>
        <location filename="../qml/driver/driver-paid-service/DriverPaidServiceEditor.qml" line="+20"/>
        <source>Driver paid service</source>
        <translation>Платная услуга водителя</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>Attributes</source>
        <translation>Атрибуты</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Id:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Driver</source>
        <translation>Водитель</translation>
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
        <translation>Тип платной услуги водителя</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Enabled</source>
        <translation>Включено</translation>
    </message>
</context>
<context>
    <name>DriverPaidServiceTypeEditor</name>
    <message>
        <location filename="../qml/driver/driver-paid-service-type/DriverPaidServiceTypeEditor.qml" line="+28"/>
        <source>Essentials</source>
        <translation>Основное</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Paid services</source>
        <translation>Платные услуги</translation>
    </message>
</context>
<context>
    <name>DriverPaidServiceTypeEssentials</name>
    <message>
        <location filename="../qml/driver/driver-paid-service-type/essentials/DriverPaidServiceTypeEssentials.qml" line="+129"/>
        <source>Attributes</source>
        <translation>Атрибуты</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Id:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Driver balance group:</source>
        <translation>Группа баланса водителя:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Driver balance type:</source>
        <translation>Тип баланса водителя:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Name:</source>
        <translation>Название:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Price:</source>
        <translation>Цена:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Enabled</source>
        <translation>Включено</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Inner note</source>
        <translation>Внутренняя заметка</translation>
    </message>
</context>
<context>
    <name>DriverPaidServiceTypeTable</name>
    <message>
        <location filename="../qml/driver/driver-paid-service-type/DriverPaidServiceTypeTable.qml" line="+26"/>
        <source>Are you sure to change balance?</source>
        <translation>Вы уверены, что хотите изменить баланс?</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Driver Paid Service Types</source>
        <translation>Типы платных услуг водителей</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Implement service successfully</source>
        <translation>Услуга успешно применена</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Apply paid service</source>
        <translation>Применить платную услугу</translation>
    </message>
</context>
<context>
    <name>DriverPhoto</name>
    <message>
        <location filename="../qml/driver/driver/photo/DriverPhoto.qml" line="+82"/>
        <source>Confirm removing photo</source>
        <translation>Подтвердите удаление фото</translation>
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
        <translation>Предыдущее</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Next</source>
        <translation>Следующее</translation>
    </message>
</context>
<context>
    <name>DriverRaiseRatingEditor</name>
    <message>
        <location filename="../qml/driver/driver-raise-rating/DriverRaiseRatingEditor.qml" line="+21"/>
        <source>Driver Raise Rating</source>
        <translation>Повышение рейтинга водителя</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>The server has no raise rating cost (value &quot;%1&quot;)</source>
        <translation>На сервере нет стоимости повышения рейтинга (значение &quot;%1&quot;)</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The stored raise rating cost is not valid: %1</source>
        <translation>Сохраненная стоимость повышения рейтинга некорректна: %1</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Cost must be a number</source>
        <translation>Стоимость должна быть числом</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Attributes</source>
        <translation>Атрибуты</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Id:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Common</source>
        <translation>Общая</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Point</source>
        <translation>За балл</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Common cost:</source>
        <translation>Общая стоимость:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Point cost:</source>
        <translation>Стоимость балла:</translation>
    </message>
</context>
<context>
    <name>DriverRatingCoefficientEditor</name>
    <message>
        <location filename="../qml/driver/driver-rating-coefficient/DriverRatingCoefficientEditor.qml" line="+45"/>
        <source>Attributes</source>
        <translation>Атрибуты</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Id:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Name:</source>
        <translation>Название:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Code:</source>
        <translation>Код:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Sequence:</source>
        <translation>Последовательность:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Value:</source>
        <translation>Значение:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Description:</source>
        <translation>Описание:</translation>
    </message>
</context>
<context>
    <name>DriverRatingCoefficientTable</name>
    <message>
        <location filename="../qml/driver/driver-rating-coefficient/DriverRatingCoefficientTable.qml" line="+14"/>
        <source>Driver Rating Coefficients</source>
        <translation>Коэффициенты рейтинга водителей</translation>
    </message>
</context>
<context>
    <name>DriverRatingLogTable</name>
    <message>
        <location filename="../qml/driver/driver/essentials/DriverRatingLogTable.qml" line="+20"/>
        <source>Driver Rating Log</source>
        <translation>Журнал рейтинга водителя</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Client</source>
        <translation>Клиент</translation>
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
        <translation>Закрыть сессию</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Driver</source>
        <translation>Водитель</translation>
    </message>
</context>
<context>
    <name>DriverSessionTable</name>
    <message>
        <location filename="../qml/driver/driver-session/DriverSessionTable.qml" line="+10"/>
        <source>Driver Sessions</source>
        <translation>Сессии водителей</translation>
    </message>
</context>
<context>
    <name>DriverTable</name>
    <message>
        <location filename="../qml/driver/driver/DriverTable.qml" line="+36"/>
        <source>Drivers</source>
        <translation>Водители</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Update drivers</source>
        <translation>Обновить водителей</translation>
    </message>
</context>
<context>
    <name>Editor</name>
    <message>
        <location filename="../qml/components/editor/Editor.qml" line="+101"/>
        <source>The connection to the server was lost before the answer came</source>
        <translation>Соединение с сервером потеряно до получения ответа</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>There is no connection to the server: the request was not sent</source>
        <translation>Нет соединения с сервером: запрос не отправлен</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>The connection to the server was lost before the answer came: whether the data was saved is not known. Once the program is connected again, it asks the server and tells you.</source>
        <translation>Соединение с сервером потеряно до получения ответа: неизвестно, сохранены ли данные. Когда программа снова подключится, она спросит сервер и сообщит.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There is no connection to the server: whether the last save reached it is not known yet. Once the program is connected again, it asks the server and tells you.</source>
        <translation>Нет соединения с сервером: пока неизвестно, дошло ли до него последнее сохранение. Когда программа снова подключится, она спросит сервер и сообщит.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There is no connection to the server: the data was not saved. It stays in the form: save it once the program is connected again.</source>
        <translation>Нет соединения с сервером: данные не сохранены. Они остаются в форме: сохраните их, когда программа снова подключится.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Whether the data was saved is not known yet. Close the editor anyway?</source>
        <translation>Пока неизвестно, сохранены ли данные. Всё равно закрыть редактор?</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Data not saved</source>
        <translation>Данные не сохранены</translation>
    </message>
    <message>
        <location line="+82"/>
        <source>You do not have permission to open editor</source>
        <translation>У вас нет прав на открытие редактора</translation>
    </message>
</context>
<context>
    <name>FilterTextField</name>
    <message>
        <location filename="../qml/components/text/FilterTextField.qml" line="+14"/>
        <source>Filter</source>
        <translation>Фильтр</translation>
    </message>
</context>
<context>
    <name>Form</name>
    <message>
        <location filename="../qml/components/editor/Form.qml" line="+234"/>
        <source>Data removed by user with id = %1. Form will close!</source>
        <translation>Данные удалены пользователем с ID = %1. Форма будет закрыта!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Data removed. Form will close!</source>
        <translation>Данные удалены. Форма будет закрыта!</translation>
    </message>
    <message>
        <location line="+413"/>
        <source>Amount:</source>
        <translation>Количество:</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Remove source record</source>
        <translation>Удалить исходную запись</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Resolution</source>
        <translation>Решение</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Approve</source>
        <translation>Одобрить</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Reject</source>
        <translation>Отклонить</translation>
    </message>
</context>
<context>
    <name>GeoLocation</name>
    <message>
        <location filename="../qml/components/editor/GeoLocation.qml" line="+30"/>
        <source>Location</source>
        <translation>Местоположение</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Latitude:</source>
        <translation>Широта:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Longitude:</source>
        <translation>Долгота:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Coordinates:</source>
        <translation>Координаты:</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Paste</source>
        <translation>Вставить</translation>
    </message>
</context>
<context>
    <name>GroupBalanceItems</name>
    <message>
        <location filename="../qml/components/editor/GroupBalanceItems.qml" line="+11"/>
        <source>Balance items</source>
        <translation>Параметры баланса</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Enable low balance</source>
        <translation>Включить порог низкого баланса</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Low balance</source>
        <translation>Порог низкого баланса</translation>
    </message>
</context>
<context>
    <name>GroupUtcOffset</name>
    <message>
        <location filename="../qml/components/editor/GroupUtcOffset.qml" line="+8"/>
        <source>Time zone</source>
        <translation>Часовой пояс</translation>
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
        <translation>Время создания:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Update time:</source>
        <translation>Время изменения:</translation>
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
        <translation>Не удалось выяснить, сохранены ли данные: сервер отказал в показе. Проверьте список, прежде чем сохранять снова.</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Whether the data was saved cannot be found out: the record is no longer on the server.</source>
        <translation>Не удалось выяснить, сохранены ли данные: записи больше нет на сервере.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>The data was saved: the server holds what was typed.</source>
        <translation>Данные сохранены: на сервере то, что было введено.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The data was not saved: the record has not changed since it was sent. It stays in the form: save it again.</source>
        <translation>Данные не сохранены: после отправки запись не изменилась. Они остаются в форме: сохраните их снова.</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>Whether the data was saved is not known: the record was changed after it was sent, and the server does not show every value that was sent. What was typed stays in the form: save it again to be sure.</source>
        <translation>Неизвестно, сохранены ли данные: после отправки запись изменилась, а сервер показывает не все отправленные значения. Введённое остаётся в форме: сохраните его снова для верности.</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>The last save reached the server: it holds what that save sent. What was typed after it is not on the server yet: it stays in the form.</source>
        <translation>Последнее сохранение дошло до сервера: на нём то, что оно отправило. Введённое после него ещё не на сервере: оно остаётся в форме.</translation>
    </message>
    <message>
        <location line="-19"/>
        <source>Whether the data was saved is not known: the record was changed on the server after it was sent. The form shows the stored values.</source>
        <translation>Сохранены ли данные, неизвестно: после отправки запись была изменена на сервере. Форма показывает сохранённые значения.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Whether the data was saved is not known: the record was changed on the server after it was sent and holds other values now. Show the stored values? No keeps what was typed.</source>
        <translation>Неизвестно, сохранены ли данные: после отправки запись на сервере изменили, и теперь в ней другие значения. Показать сохранённые значения? «Нет» оставит введённое.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The last save reached the server, and so did the save that waited for it.</source>
        <translation>Последнее сохранение дошло до сервера, как и сохранение, которое его ждало.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The last save reached the server: it holds what that save sent. The save that waited for it was refused: what was typed after it stays in the form.</source>
        <translation>Последнее сохранение дошло до сервера: на нём то, что оно отправило. Сохранение, которое его ждало, отклонено: введённое после него остаётся в форме.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The last save reached the server: it holds what that save sent.</source>
        <translation>Последнее сохранение дошло до сервера: на нём то, что оно отправило.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The data was not saved: the server holds no record stored by this send. It stays in the form: save it again.</source>
        <translation>Данные не сохранены: на сервере нет записи, сохранённой этой отправкой. Они остаются в форме: сохраните их снова.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Whether the data was saved cannot be found out: a record like it was stored after the program last heard from the server, and whose it is cannot be told. Check the list before saving it again.</source>
        <translation>Не удалось выяснить, сохранены ли данные: похожая запись сохранена после того, как программа в последний раз получила что-либо от сервера, и чья она, определить нельзя. Проверьте список, прежде чем сохранять снова.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Whether the copies were made cannot be found out: a record like them was stored after the program last heard from the server, and whose it is cannot be told. Check the list before duplicating again.</source>
        <translation>Не удалось выяснить, созданы ли копии: похожая запись сохранена после того, как программа в последний раз получила что-либо от сервера, и чья она, определить нельзя. Проверьте список, прежде чем копировать снова.</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>The data was saved: the server holds the new record.</source>
        <translation>Данные сохранены: новая запись есть на сервере.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Whether the data was saved cannot be found out: %1 records like it were stored meanwhile. Check the list before saving it again.</source>
        <translation>Не удалось выяснить, сохранены ли данные: за это время сохранено похожих записей: %1. Проверьте список, прежде чем сохранять снова.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No copy was made: the server holds none stored by this send.</source>
        <translation>Копии не созданы: на сервере нет ни одной, сохранённой этой отправкой.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The copies were made: the server holds them.</source>
        <translation>Копии созданы: они есть на сервере.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Whether the copies were made cannot be found out: %1 records like them were stored meanwhile. Check the list before duplicating again.</source>
        <translation>Не удалось выяснить, созданы ли копии: за это время сохранено похожих записей: %1. Проверьте список, прежде чем копировать снова.</translation>
    </message>
</context>
<context>
    <name>NotificationEditor-norvik</name>
    <message>
        <location filename="../qml/notification/NotificationEditor-norvik.qml" line="+64"/>
        <source>The notification does not name the driver by id</source>
        <translation>Уведомление не указывает водителя по идентификатору</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>The notification does not name the car by id</source>
        <translation>Уведомление не указывает автомобиль по идентификатору</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>The notification names the driver neither by id nor by sign</source>
        <translation>В уведомлении водитель не указан ни по id, ни по позывному</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>The notification&apos;s value is not a JSON object: %1</source>
        <translation>Значение уведомления не является объектом JSON: %1</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>There is no driver with the sign &quot;%1&quot;</source>
        <translation>Нет водителя с позывным «%1»</translation>
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
        <translation>Название:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Context:</source>
        <translation>Контекст:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Value:</source>
        <translation>Значение:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Completed</source>
        <translation>Выполнено</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>More...</source>
        <translation>Подробнее...</translation>
    </message>
</context>
<context>
    <name>NotificationTable</name>
    <message>
        <location filename="../qml/notification/NotificationTable.qml" line="+134"/>
        <source>Notifications successfully deleted</source>
        <translation>Уведомления успешно удалены</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Notifications</source>
        <translation>Уведомления</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Mark As Readed</source>
        <translation>Отметить как прочитанные</translation>
    </message>
</context>
<context>
    <name>NotificationTypeEditor</name>
    <message>
        <location filename="../qml/notification/NotificationTypeEditor.qml" line="+55"/>
        <source>Attributes</source>
        <translation>Атрибуты</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Id:</source>
        <translation>Id:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Name:</source>
        <translation>Название:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Code:</source>
        <translation>Код:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Enabled</source>
        <translation>Включен</translation>
    </message>
</context>
<context>
    <name>NotificationTypeTable</name>
    <message>
        <location filename="../qml/notification/NotificationTypeTable.qml" line="+14"/>
        <source>Notification Types</source>
        <translation>Типы уведомлений</translation>
    </message>
</context>
<context>
    <name>NtFrame</name>
    <message>
        <location filename="../qml/components/NtFrame.qml" line="+18"/>
        <source>Untitled</source>
        <translation>Без названия</translation>
    </message>
    <message>
        <location line="+140"/>
        <source>The connection to the server was lost before the answer came: whether the request was carried out is not known. Once the program is connected again, it asks the server and tells you.</source>
        <translation>Соединение с сервером потеряно до получения ответа: неизвестно, выполнен ли запрос. Когда программа снова подключится, она спросит сервер и сообщит.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The connection to the server was lost before the answer came</source>
        <translation>Соединение с сервером потеряно до получения ответа</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>There is no connection to the server: the request was not sent</source>
        <translation>Нет соединения с сервером: запрос не отправлен</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Whether the request was carried out cannot be found out here: check the list before sending it again.</source>
        <translation>Здесь не выяснить, выполнен ли запрос: проверьте список, прежде чем отправлять его снова.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Whether the record was deleted cannot be found out: the server refused to show it. Check the list before deleting it again.</source>
        <translation>Не удалось выяснить, удалена ли запись: сервер отказал в показе. Проверьте список, прежде чем удалять снова.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The record was deleted.</source>
        <translation>Запись удалена.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The record was not deleted: the server still holds it.</source>
        <translation>Запись не удалена: сервер всё ещё хранит её.</translation>
    </message>
</context>
<context>
    <name>OwnerBalanceItems</name>
    <message>
        <location filename="../qml/components/editor/OwnerBalanceItems.qml" line="+12"/>
        <source>Balance items</source>
        <translation>Параметры баланса</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Override group low balance</source>
        <translation>Переопределить порог низкого баланса группы</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Enable low balance</source>
        <translation>Включить порог низкого баланса</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Low balance</source>
        <translation>Порог низкого баланса</translation>
    </message>
</context>
<context>
    <name>OwnerTable</name>
    <message>
        <location filename="../qml/components/subject/OwnerTable.qml" line="+108"/>
        <source>Owners</source>
        <translation>Владельцы</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Id</source>
        <translation>ID</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Add...</source>
        <translation>Добавить...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Remove...</source>
        <translation>Удалить...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remove entry?</source>
        <translation>Удалить запись?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Remove all...</source>
        <translation>Удалить все...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remove entries?</source>
        <translation>Удалить записи?</translation>
    </message>
</context>
<context>
    <name>OwnerUtcOffset</name>
    <message>
        <location filename="../qml/components/editor/OwnerUtcOffset.qml" line="+9"/>
        <source>Time zone</source>
        <translation>Часовой пояс</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Use UTC offset</source>
        <translation>Использовать смещение UTC</translation>
    </message>
</context>
<context>
    <name>PaymentSystemAccountEditor</name>
    <message>
        <location filename="../qml/payment/payment-system-account/PaymentSystemAccountEditor.qml" line="+19"/>
        <source>Payment system account</source>
        <translation>Счет платежной системы</translation>
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
        <translation>Атрибуты</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Id:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Company</source>
        <translation>Компания</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Payment system</source>
        <translation>Платежная система</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Public key</source>
        <translation>Публичный ключ</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Private key</source>
        <translation>Приватный ключ</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Default value</source>
        <translation>Сумма по умолчанию</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Currency</source>
        <translation>Валюта</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Client language</source>
        <translation>Язык клиента</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Weight</source>
        <translation>Вес</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Subprovider Id</source>
        <translation>ID субпровайдера</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Enabled</source>
        <translation>Включено</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Sandbox mode</source>
        <translation>Тестовый режим</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Save client data</source>
        <translation>Сохранять данные клиента</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Fee</source>
        <translation>Комиссия</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Relative fee of payment system:</source>
        <translation>Относительная комиссия платежной системы:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Absolute fee of payment system:</source>
        <translation>Абсолютная комиссия платежной системы:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Relative fee of Koriv:</source>
        <translation>Относительная комиссия Koriv:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Absolute Fee of Koriv:</source>
        <translation>Абсолютная комиссия Koriv:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Bank details</source>
        <translation>Банковские реквизиты</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Payee:</source>
        <translation>Получатель:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>EDRPOU:</source>
        <translation>ЕГРПОУ:</translation>
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
        <translation>Счет:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Payment details:</source>
        <translation>Назначение платежа:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>NDS:</source>
        <translation>НДС:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Inner note</source>
        <translation>Внутренняя заметка</translation>
    </message>
</context>
<context>
    <name>PaymentSystemEditor</name>
    <message>
        <location filename="../qml/payment/payment-system/PaymentSystemEditor.qml" line="+93"/>
        <source>Attributes</source>
        <translation>Атрибуты</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Id:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Name:</source>
        <translation>Название:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Code:</source>
        <translation>Код:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Login:</source>
        <translation>Логин:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Password:</source>
        <translation>Пароль:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Credit key:</source>
        <translation>Ключ зачисления:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Incoming commission %:</source>
        <translation>Входящая комиссия, %:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Outgoing commission %:</source>
        <translation>Исходящая комиссия, %:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Enabled</source>
        <translation>Включена</translation>
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
        <translation>HTTP-адрес оплаты:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>URL for status track:</source>
        <translation>URL отслеживания статуса:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>URL after pay:</source>
        <translation>URL после оплаты:</translation>
    </message>
</context>
<context>
    <name>PaymentSystemLogContainer</name>
    <message>
        <location filename="../qml/payment/payment-system-log/PaymentSystemLogContainer.qml" line="+111"/>
        <source>All companies</source>
        <translation>Все компании</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>All payment systems</source>
        <translation>Все платежные системы</translation>
    </message>
</context>
<context>
    <name>PaymentSystemLogEditor</name>
    <message>
        <location filename="../qml/payment/payment-system-log/PaymentSystemLogEditor.qml" line="+36"/>
        <source>Attributes</source>
        <translation>Атрибуты</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Id:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sign:</source>
        <translation>Позывной:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Amount:</source>
        <translation>Сумма:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Transaction key:</source>
        <translation>Ключ транзакции:</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Is successfully</source>
        <translation>Успешно</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Is completed</source>
        <translation>Завершено</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Data:</source>
        <translation>Данные:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Response:</source>
        <translation>Ответ:</translation>
    </message>
</context>
<context>
    <name>PaymentSystemLogTable</name>
    <message>
        <location filename="../qml/payment/payment-system-log/PaymentSystemLogTable.qml" line="+8"/>
        <source>Payment System Logs</source>
        <translation>Журналы платежных систем</translation>
    </message>
</context>
<context>
    <name>PaymentSystemTable</name>
    <message>
        <location filename="../qml/payment/payment-system/PaymentSystemTable.qml" line="+14"/>
        <source>Payment Systems</source>
        <translation>Платежные системы</translation>
    </message>
</context>
<context>
    <name>ProlongedStatus</name>
    <message>
        <location filename="../qml/components/editor/ProlongedStatus.qml" line="+34"/>
        <source>Snooze</source>
        <translation>Отложить</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>min.</source>
        <translation>мин.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Note of prolonged</source>
        <translation>Примечание к отсрочке</translation>
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
        <translation>Соединение с сервером потеряно, пока сохранение ждало запись: данные не сохранены. Они остаются в форме: сохраните их, когда программа снова подключится.</translation>
    </message>
    <message>
        <location line="+147"/>
        <source>The data was not saved: the form shows the stored record now.</source>
        <translation>Данные не сохранены: форма теперь показывает сохранённую запись.</translation>
    </message>
    <message>
        <location line="+121"/>
        <source>The record is locked by user &apos;%1&apos;. Save over the lock?</source>
        <translation>Запись заблокирована пользователем «%1». Сохранить, несмотря на блокировку?</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Locked by user &apos;%1&apos;.</source>
        <translation>Заблокировано пользователем «%1».</translation>
    </message>
</context>
<context>
    <name>ScheduleBox</name>
    <message>
        <location filename="../qml/components/subject/ScheduleBox.qml" line="+9"/>
        <source>Order type</source>
        <translation>Тип заказа</translation>
    </message>
</context>
<context>
    <name>SecurityOptionValues</name>
    <message>
        <location filename="../qml/security-options/SecurityOptionValues.qml" line="+255"/>
        <source>Security option group</source>
        <translation>Группа параметров безопасности</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Set All to [No]</source>
        <translation>Установить все в [Нет]</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>Set All to [Yes]</source>
        <translation>Установить все в [Да]</translation>
    </message>
    <message>
        <location line="-144"/>
        <source>Set all options of the list to [No]?</source>
        <translation>Установить все параметры списка в [Нет]?</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Set all options of the list to [Yes]?</source>
        <translation>Установить все параметры списка в [Да]?</translation>
    </message>
</context>
<context>
    <name>SecurityOptionsEditor</name>
    <message>
        <location filename="../qml/security-options/SecurityOptionsEditor.qml" line="+61"/>
        <source>Absent secure option for controller %1</source>
        <translation>Нет параметра безопасности для контроллера %1</translation>
    </message>
    <message>
        <location line="+165"/>
        <source>Add...</source>
        <translation>Добавить...</translation>
    </message>
    <message>
        <location line="-51"/>
        <source>Attributes</source>
        <translation>Атрибуты</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>Description:</source>
        <translation>Описание:</translation>
    </message>
    <message>
        <location line="-37"/>
        <source>Hide columns:</source>
        <translation>Скрыть столбцы:</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>Id:</source>
        <translation>Id:</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Is using</source>
        <translation>Используется</translation>
    </message>
    <message>
        <location line="-60"/>
        <source>Option name:</source>
        <translation>Имя параметра:</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Option value</source>
        <translation>Значение параметра</translation>
    </message>
    <message>
        <location line="-17"/>
        <source>Option value:</source>
        <translation>Значение параметра:</translation>
    </message>
    <message>
        <location line="-94"/>
        <source>Remove selected rows?</source>
        <translation>Удалить выбранные строки?</translation>
    </message>
    <message>
        <location line="+138"/>
        <source>Remove...</source>
        <translation>Удалить...</translation>
    </message>
</context>
<context>
    <name>SessionContainer</name>
    <message>
        <location filename="../qml/components/table/SessionContainer.qml" line="+86"/>
        <source>Confirm closing session</source>
        <translation>Подтвердите закрытие сессии</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Closed</source>
        <translation>Закрытые</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Unclosed</source>
        <translation>Незакрытые</translation>
    </message>
</context>
<context>
    <name>SmsEditor</name>
    <message>
        <location filename="../qml/sms/SmsEditor.qml" line="+39"/>
        <source>Variables</source>
        <translation>Переменные</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Driver sign</source>
        <translation>Позывной водителя</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Attributes</source>
        <translation>Атрибуты</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Id:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Name:</source>
        <translation>Название:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Code:</source>
        <translation>Код:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Value:</source>
        <translation>Значение:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Use</source>
        <translation>Использовать</translation>
    </message>
</context>
<context>
    <name>SmsTable</name>
    <message>
        <location filename="../qml/sms/SmsTable.qml" line="+13"/>
        <source>SMS Control</source>
        <translation>Управление SMS</translation>
    </message>
</context>
<context>
    <name>StartEndDateTime</name>
    <message>
        <location filename="../qml/components/text/StartEndDateTime.qml" line="+96"/>
        <source>Start date:</source>
        <translation>Дата начала:</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>End date:</source>
        <translation>Дата окончания:</translation>
    </message>
</context>
<context>
    <name>StartEndDateTimeApply</name>
    <message>
        <location filename="../qml/components/text/StartEndDateTimeApply.qml" line="+28"/>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
</context>
<context>
    <name>StartEndTime</name>
    <message>
        <location filename="../qml/components/text/StartEndTime.qml" line="+22"/>
        <source>Start time:</source>
        <translation>Время начала:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>End time:</source>
        <translation>Время окончания:</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <location filename="../qml/components/table/Table.qml" line="+488"/>
        <source>Keep current entry selected</source>
        <translation>Сохранять выбор текущей записи</translation>
    </message>
</context>
<context>
    <name>TableColumnMenu</name>
    <message>
        <location filename="../qml/components/table/TableColumnMenu.qml" line="+40"/>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
</context>
<context>
    <name>TableContainer</name>
    <message>
        <location filename="../qml/components/table/TableContainer.qml" line="+183"/>
        <source>Row count:</source>
        <translation>Строк:</translation>
    </message>
</context>
<context>
    <name>TableFilterMenu</name>
    <message>
        <location filename="../qml/components/table/TableFilterMenu.qml" line="+18"/>
        <source>Search...</source>
        <translation>Поиск...</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Extended Search</source>
        <translation>Расширенный поиск</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Row Limit...</source>
        <translation>Ограничение строк...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Select All</source>
        <translation>Выделить все</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Unselect All</source>
        <translation>Снять выделение</translation>
    </message>
</context>
<context>
    <name>TableListView</name>
    <message>
        <location filename="../qml/components/tablelist/TableListView.qml" line="+113"/>
        <source>Record removed successfuly</source>
        <translation>Запись успешно удалена</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Created duplicate of record with id %1</source>
        <translation>Создан дубликат записи с ID %1</translation>
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
        <translation>Загрузка…</translation>
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
        <translation>Атрибуты</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Id:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sign:</source>
        <translation>Позывной:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Blocked</source>
        <translation>Заблокирована</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Change password...</source>
        <translation>Сменить пароль...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Inner note</source>
        <translation>Внутренняя заметка</translation>
    </message>
</context>
<context>
    <name>TerminalCompanyTable</name>
    <message>
        <location filename="../qml/company/terminal-company/TerminalCompanyTable.qml" line="+17"/>
        <source>Terminal Companies</source>
        <translation>Терминальные компании</translation>
    </message>
</context>
<context>
    <name>TextAreaEx</name>
    <message>
        <location filename="../qml/components/text/TextAreaEx.qml" line="+90"/>
        <source>Too long to edit here: %1 characters</source>
        <translation>Слишком длинный для правки здесь: %1 символов</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>Nothing was added: the text holds at most %1 characters, %2 in a line</source>
        <translation>Ничего не добавлено: текст вмещает не более %1 символов, %2 в строке</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The text was cut to %1 characters, %2 in a line</source>
        <translation>Текст обрезан до %1 символов, не более %2 в строке</translation>
    </message>
</context>
<context>
    <name>TextFieldEx</name>
    <message>
        <location filename="../qml/components/text/TextFieldEx.qml" line="+62"/>
        <source>The text was cut to %1 characters</source>
        <translation>Текст обрезан до %1 символов</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>Too long to edit here: %1 characters</source>
        <translation>Слишком длинный для правки здесь: %1 символов</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 characters</source>
        <translation>%1 символов</translation>
    </message>
</context>
<context>
    <name>ToolButtonAdd</name>
    <message>
        <location filename="../qml/components/toolbuttons/ToolButtonAdd.qml" line="+6"/>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
</context>
<context>
    <name>ToolButtonDuplicate</name>
    <message>
        <location filename="../qml/components/toolbuttons/ToolButtonDuplicate.qml" line="+14"/>
        <source>Duplicate</source>
        <translation>Дублировать</translation>
    </message>
</context>
<context>
    <name>ToolButtonDuplicateEditor</name>
    <message>
        <location filename="../qml/components/toolbuttons/ToolButtonDuplicateEditor.qml" line="+32"/>
        <source>Duplicate</source>
        <translation>Дублировать</translation>
    </message>
</context>
<context>
    <name>ToolButtonEdit</name>
    <message>
        <location filename="../qml/components/toolbuttons/ToolButtonEdit.qml" line="+10"/>
        <source>Edit</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>View</source>
        <translation>Просмотр</translation>
    </message>
</context>
<context>
    <name>ToolButtonExcel</name>
    <message>
        <location filename="../qml/components/toolbuttons/ToolButtonExcel.qml" line="+16"/>
        <source>Cells whose text was longer than a workbook cell holds, cut to 32,767 characters ending in &quot;…&quot;: %1</source>
        <translation>Ячейки с текстом длиннее, чем вмещает ячейка книги, обрезанным до 32 767 символов с «…» в конце: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The table could not be exported:
%1</source>
        <translation>Не удалось экспортировать таблицу:
%1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The table was exported to:
%1

The system could not open it: open the file from that folder.</source>
        <translation>Таблица экспортирована в:
%1

Система не смогла её открыть: откройте файл из этой папки.</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <source>The table was exported to:
%1</source>
        <translation>Таблица экспортирована в:
%1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Export to Excel</source>
        <translation>Экспорт в Excel</translation>
    </message>
</context>
<context>
    <name>ToolButtonRemove</name>
    <message>
        <location filename="../qml/components/toolbuttons/ToolButtonRemove.qml" line="+6"/>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
</context>
<context>
    <name>ToolButtonSelect</name>
    <message>
        <location filename="../qml/components/toolbuttons/ToolButtonSelect.qml" line="+10"/>
        <source>Select</source>
        <translation>Выбрать</translation>
    </message>
</context>
<context>
    <name>ToolButtonUp</name>
    <message>
        <location filename="../qml/components/toolbuttons/ToolButtonUp.qml" line="+6"/>
        <source>Call</source>
        <translation>Позвонить</translation>
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
        <translation>Пользователь</translation>
    </message>
</context>
<context>
    <name>UserEditor</name>
    <message>
        <location filename="../qml/user/user/UserEditor.qml" line="+32"/>
        <source>Essentials</source>
        <translation>Основное</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Security Options</source>
        <translation>Параметры безопасности</translation>
    </message>
    <message>
        <location line="-43"/>
        <source>User</source>
        <translation>Пользователь</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>User Gui Sessions</source>
        <translation>GUI-сессии пользователя</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>User Sessions</source>
        <translation>Сессии пользователя</translation>
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
        <translation>Атрибуты</translation>
    </message>
    <message>
        <location line="+66"/>
        <source>Blocked</source>
        <translation>Заблокирован</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Change Password...</source>
        <translation>Изменить пароль...</translation>
    </message>
    <message>
        <location line="-83"/>
        <source>Copy security right</source>
        <translation>Копировать права доступа</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>Copy settings</source>
        <translation>Копировать настройки</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>First Name:</source>
        <translation>Имя:</translation>
    </message>
    <message>
        <location line="-35"/>
        <source>Id:</source>
        <translation>Id:</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>Inner note</source>
        <translation>Внутреннее примечание</translation>
    </message>
    <message>
        <location line="-17"/>
        <source>Is system:</source>
        <translation>Системный:</translation>
    </message>
    <message>
        <location line="-35"/>
        <source>Last name:</source>
        <translation>Фамилия:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Max sim calls:</source>
        <translation>Макс. одновременных звонков:</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Middle name:</source>
        <translation>Отчество:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Phone:</source>
        <translation>Телефон:</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>Sign:</source>
        <translation>Позывной:</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>User group</source>
        <translation>Группа пользователей</translation>
    </message>
</context>
<context>
    <name>UserGroupEditor</name>
    <message>
        <location filename="../qml/user/user-group/UserGroupEditor.qml" line="+27"/>
        <source>Essentials</source>
        <translation>Основное</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Security Options</source>
        <translation>Параметры безопасности</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>User Group</source>
        <translation>Группа пользователей</translation>
    </message>
</context>
<context>
    <name>UserGroupEssentials</name>
    <message>
        <location filename="../qml/user/user-group/essentials/UserGroupEssentials.qml" line="+91"/>
        <source>After update current connections of group will be closed. Do you want to update?</source>
        <translation>После изменения текущие подключения группы будут закрыты. Изменить?</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Attributes</source>
        <translation>Атрибуты</translation>
    </message>
    <message>
        <location line="-10"/>
        <source>Copy security right</source>
        <translation>Копировать права доступа</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Description</source>
        <translation>Описание</translation>
    </message>
    <message>
        <location line="-24"/>
        <source>Id:</source>
        <translation>Id:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Is system:</source>
        <translation>Системная:</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>Name:</source>
        <translation>Название:</translation>
    </message>
</context>
<context>
    <name>UserGroupTable</name>
    <message>
        <location filename="../qml/user/user-group/UserGroupTable.qml" line="+27"/>
        <source>User Groups</source>
        <translation>Группы пользователей</translation>
    </message>
</context>
<context>
    <name>UserGuiSessionEditor</name>
    <message>
        <location filename="../qml/user/user-gui-session/UserGuiSessionEditor.qml" line="+92"/>
        <source>Attributes</source>
        <translation>Атрибуты</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Auto save</source>
        <translation>Автосохранение</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>Default:</source>
        <translation>По умолчанию:</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Id:</source>
        <translation>Id:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Name:</source>
        <translation>Название:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Note:</source>
        <translation>Примечание:</translation>
    </message>
    <message>
        <location line="-54"/>
        <source>The value is not a valid JSON object</source>
        <translation>Значение не является правильным объектом JSON</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Value:</source>
        <translation>Значение:</translation>
    </message>
</context>
<context>
    <name>UserGuiSessionTable</name>
    <message>
        <location filename="../qml/user/user-gui-session/UserGuiSessionTable.qml" line="+49"/>
        <source>Apply</source>
        <translation>Применить</translation>
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
        <translation>Заблокировано:</translation>
    </message>
</context>
<context>
    <name>UserSessionContainer</name>
    <message>
        <location filename="../qml/user/user-session/UserSessionContainer.qml" line="+48"/>
        <source>Close session</source>
        <translation>Закрыть сессию</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>User</source>
        <translation>Пользователь</translation>
    </message>
</context>
<context>
    <name>UserSessionEditor</name>
    <message>
        <location filename="../qml/user/user-session/UserSessionEditor.qml" line="+59"/>
        <source>Attributes</source>
        <translation>Атрибуты</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Build ABI:</source>
        <translation>ABI сборки:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Duration:</source>
        <translation>Длительность:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>End date:</source>
        <translation>Дата окончания:</translation>
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
        <translation>Время последней синхронизации:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Note:</source>
        <translation>Примечание:</translation>
    </message>
    <message>
        <location line="-23"/>
        <source>OS name:</source>
        <translation>Название ОС:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Other</source>
        <translation>Прочее</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>Port:</source>
        <translation>Порт:</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Sign:</source>
        <translation>Позывной:</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Start date:</source>
        <translation>Дата начала:</translation>
    </message>
    <message>
        <location line="-17"/>
        <source>Version:</source>
        <translation>Версия:</translation>
    </message>
</context>
<context>
    <name>UserSessionTable</name>
    <message>
        <location filename="../qml/user/user-session/UserSessionTable.qml" line="+10"/>
        <source>User Sessions</source>
        <translation>Сессии пользователей</translation>
    </message>
</context>
<context>
    <name>UserTable</name>
    <message>
        <location filename="../qml/user/user/UserTable.qml" line="+54"/>
        <source>Users</source>
        <translation>Пользователи</translation>
    </message>
</context>
<context>
    <name>UstBox</name>
    <message>
        <location filename="../qml/components/subject/UstBox.qml" line="+18"/>
        <source>Schedule name</source>
        <translation>Название расписания</translation>
    </message>
</context>
<context>
    <name>VersionEditor</name>
    <message>
        <location filename="../qml/version/VersionEditor.qml" line="+21"/>
        <source>Versions</source>
        <translation>Версии</translation>
    </message>
    <message>
        <location line="+86"/>
        <source>The server has no version row &quot;%1&quot;</source>
        <translation>На сервере нет строки версии «%1»</translation>
    </message>
    <message>
        <location line="+106"/>
        <source>Minimal:</source>
        <translation>Минимальная:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Recommended:</source>
        <translation>Рекомендуемая:</translation>
    </message>
</context>
<context>
    <name>code</name>
    <message>
        <location filename="../qml/js/inner-codes/driver-paid-service-type/code.js" line="+6"/>
        <source>DRIVER PAID SERVICE TYPE: </source>
        <translation>ТИП ПЛАТНОЙ УСЛУГИ ВОДИТЕЛЯ: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to define paid service type</source>
        <translation>Не удалось определить тип платной услуги</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to insert entry in balance log</source>
        <translation>Не удалось добавить запись в журнал баланса</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to define user created</source>
        <translation>Не удалось определить автора записи</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Serivce type is disabled</source>
        <translation>Тип услуги отключен</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Price of service type is 0</source>
        <translation>Цена типа услуги равна 0</translation>
    </message>
    <message>
        <location filename="../qml/js/inner-codes/password-dialog/code.js" line="+5"/>
        <source>Failed to define entry by id</source>
        <translation>Не удалось найти запись по ID</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Password and confirm password is different</source>
        <translation>Пароль и подтверждение не совпадают</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Old password is bad</source>
        <translation>Старый пароль неверен</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error occurred on updating new password</source>
        <translation>Ошибка при сохранении нового пароля</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undefined error occurred</source>
        <translation>Произошла неизвестная ошибка</translation>
    </message>
</context>
<context>
    <name>dialog</name>
    <message>
        <location filename="../qml/js/dialog.js" line="+67"/>
        <source>Do you want to delete record?</source>
        <translation>Удалить запись?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Do you want to delete records?</source>
        <translation>Удалить записи?</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Data changed while the connection was lost. Apply?</source>
        <translation>Данные изменились, пока не было связи с сервером. Применить?</translation>
    </message>
    <message>
        <location line="-1"/>
        <location line="+15"/>
        <source>Data changed by user &apos;%1&apos;. Apply?</source>
        <translation>Данные изменены пользователем «%1». Применить?</translation>
    </message>
    <message>
        <location line="-13"/>
        <source>Data changed on the server. Apply?</source>
        <translation>Данные изменились на сервере. Применить?</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Order contains bank card. Do you want to dublicate record?</source>
        <translation>Заказ содержит банковскую карту. Дублировать запись?</translation>
    </message>
</context>
<context>
    <name>errors</name>
    <message>
        <location filename="../qml/js/errors.js" line="+13"/>
        <source>Name is not unique</source>
        <translation>Название не уникально</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Balance type isn&apos;t selected</source>
        <translation>Не выбран тип баланса</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sign of price doesn&apos;t match sign of balance type</source>
        <translation>Знак цены не соответствует знаку типа баланса</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to create balance type object</source>
        <translation>Не удалось создать объект типа баланса</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to define balance type</source>
        <translation>Не удалось определить тип баланса</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Owner is already connected to this paid service</source>
        <translation>Владелец уже подключен к этой платной услуге</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Code isn&apos;t unique</source>
        <translation>Код не уникален</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rating must be in interval from 1.0 to 5.0</source>
        <translation>Рейтинг должен быть в интервале от 1.0 до 5.0</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to define company</source>
        <translation>Не удалось определить компанию</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Forbidden to delete the system record</source>
        <translation>Удалять системную запись запрещено</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Can&apos;t remove last car</source>
        <translation>Невозможно удалить последний автомобиль</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>CLOSE SESSION: </source>
        <translation>ЗАКРЫТИЕ СЕССИИ: </translation>
    </message>
</context>
<context>
    <name>errors-base</name>
    <message>
        <location filename="../qml/js/errors-base.js" line="+14"/>
        <source>You don&apos;t have enough access privileges for this operation</source>
        <translation>У вас недостаточно прав для этой операции</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Operation not allowed</source>
        <translation>Операция не разрешена</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undefined error</source>
        <translation>Неизвестная ошибка</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+103"/>
        <location line="+5"/>
        <source>Exception occurred</source>
        <translation>Возникло исключение</translation>
    </message>
    <message>
        <location line="-104"/>
        <source>Sign is empty</source>
        <translation>Не указан позывной</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sign contains prohibited symbols</source>
        <translation>Позывной содержит недопустимые символы</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sign already exist in db</source>
        <translation>Позывной уже существует в БД</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+1"/>
        <source>Group doesn&apos;t exist in db</source>
        <translation>Группа отсутствует в БД</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+26"/>
        <source>Name is empty</source>
        <translation>Не указано название</translation>
    </message>
    <message>
        <location line="-25"/>
        <source>Group name already exist in db</source>
        <translation>Группа с таким названием уже существует в БД</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Name of group is empty</source>
        <translation>Не указано название группы</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name of group already exist in db</source>
        <translation>Группа с таким названием уже существует в БД</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error create security rules for group</source>
        <translation>Ошибка создания правил доступа для группы</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Forbidden to remove Administrators group</source>
        <translation>Удалять группу администраторов запрещено</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Failed to create new entry</source>
        <translation>Не удалось создать новую запись</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Item already assigned on the duty</source>
        <translation>Элемент уже назначен на дежурство</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All planned units was assigned</source>
        <translation>Все запланированные единицы уже назначены</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to define item of planing duties journal</source>
        <translation>Не удалось определить элемент журнала планирования дежурств</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to define amount of assigned units</source>
        <translation>Не удалось определить количество назначенных единиц</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Duty type of planned duties doesn&apos;t match with type of item duty</source>
        <translation>Тип запланированных дежурств не соответствует типу дежурства элемента</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+1"/>
        <source>Failed to update data</source>
        <translation>Не удалось обновить данные</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Code already exists</source>
        <translation>Код уже существует</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order status already exists</source>
        <translation>Статус заказа уже существует</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order status is empty</source>
        <translation>Не указан статус заказа</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Failed to remove system record</source>
        <translation>Не удалось удалить системную запись</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>GET LIST: </source>
        <translation>ПОЛУЧЕНИЕ СПИСКА: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>INFO: </source>
        <translation>СВЕДЕНИЯ: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ADD: </source>
        <translation>ДОБАВЛЕНИЕ: </translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+9"/>
        <location line="+8"/>
        <location line="+4"/>
        <location line="+5"/>
        <source>Failed to start transaction</source>
        <translation>Не удалось начать транзакцию</translation>
    </message>
    <message>
        <location line="-25"/>
        <location line="+9"/>
        <location line="+12"/>
        <location line="+5"/>
        <source>Transaction commit error</source>
        <translation>Ошибка фиксации транзакции</translation>
    </message>
    <message>
        <location line="-25"/>
        <location line="+9"/>
        <location line="+8"/>
        <location line="+10"/>
        <source>DB lost connection</source>
        <translation>Потеряно соединение с БД</translation>
    </message>
    <message>
        <location line="-24"/>
        <source>UPDATE: </source>
        <translation>ИЗМЕНЕНИЕ: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Record locked by other user</source>
        <translation>Запись заблокирована другим пользователем</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error check user locked: controller object not created</source>
        <translation>Ошибка проверки блокировки: объект контроллера не создан</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Record not locked for update</source>
        <translation>Запись не заблокирована для изменения</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+6"/>
        <source>Record doesn&apos;t exist in db</source>
        <translation>Запись отсутствует в БД</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>REMOVE: </source>
        <translation>УДАЛЕНИЕ: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to delete system record</source>
        <translation>Не удалось удалить системную запись</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Record can&apos;t be deleted because it locked by other user</source>
        <translation>Невозможно удалить запись: она заблокирована другим пользователем</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>DUPLICATE: </source>
        <translation>ДУБЛИРОВАНИЕ: </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Transaction commit error (for multiple duplicate)</source>
        <translation>Ошибка фиксации транзакции (при множественном дублировании)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Source record doesn&apos;t exist in db</source>
        <translation>Исходная запись отсутствует в БД</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error insert duplicated record</source>
        <translation>Ошибка добавления дубликата записи</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undefined amount of copies</source>
        <translation>Не задано количество копий</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Amount must be less or equal 100</source>
        <translation>Количество должно быть не больше 100</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Can&apos;t remove source record</source>
        <translation>Невозможно удалить исходную запись</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Can&apos;t get info about source record for delete it</source>
        <translation>Невозможно получить сведения об исходной записи для ее удаления</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>LOCK: </source>
        <translation>БЛОКИРОВКА: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undefined error on lock record</source>
        <translation>Неизвестная ошибка при блокировке записи</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>UNLOCK: </source>
        <translation>РАЗБЛОКИРОВКА: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undefined error on unlock record</source>
        <translation>Неизвестная ошибка при разблокировке записи</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Untitled error for controller </source>
        <translation>Неописанная ошибка контроллера </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>code</source>
        <translation>код</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>controller</source>
        <translation>контроллер</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>security group</source>
        <translation>группа безопасности</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Opcode</source>
        <translation>Код операции</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>description: </source>
        <translation>описание: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Exception Description: </source>
        <translation>Описание исключения: </translation>
    </message>
</context>
<context>
    <name>hardcode</name>
    <message>
        <location filename="../qml/js/hardcode.js" line="+21"/>
        <source>January</source>
        <translation>Январь</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>February</source>
        <translation>Февраль</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>March</source>
        <translation>Март</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>April</source>
        <translation>Апрель</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>May</source>
        <translation>Май</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>June</source>
        <translation>Июнь</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>July</source>
        <translation>Июль</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>August</source>
        <translation>Август</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>September</source>
        <translation>Сентябрь</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>October</source>
        <translation>Октябрь</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>November</source>
        <translation>Ноябрь</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>December</source>
        <translation>Декабрь</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Status</source>
        <translation>Статус</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hold</source>
        <translation>Блокировка средств</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Capture</source>
        <translation>Списание</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Buy</source>
        <translation>Покупка</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reverse</source>
        <translation>Возврат</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Peer to peer</source>
        <translation>P2P-перевод</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Current</source>
        <translation>Текущие</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Resolved</source>
        <translation>Решенные</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not resolved</source>
        <translation>Нерешенные</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Deleted</source>
        <translation>Удаленные</translation>
    </message>
</context>
<context>
    <name>phototags</name>
    <message>
        <location filename="../qml/driver/driver/photo/phototags.js" line="+5"/>
        <source>Own photo</source>
        <translation>Личное фото</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Car data sheet (page 1)</source>
        <translation>Техпаспорт (стр. 1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Car data sheet (page 2)</source>
        <translation>Техпаспорт (стр. 2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>License (page 1)</source>
        <translation>Удостоверение (стр. 1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>License (page 2)</source>
        <translation>Удостоверение (стр. 2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Car outside front</source>
        <translation>Кузов спереди</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Car outside back</source>
        <translation>Кузов сзади</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Car outside left</source>
        <translation>Кузов слева</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Car outside right</source>
        <translation>Кузов справа</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Car inside front</source>
        <translation>Салон спереди</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Car inside back</source>
        <translation>Салон сзади</translation>
    </message>
</context>
<context>
    <name>status-code</name>
    <message>
        <location filename="../qml/js/status-code.js" line="+20"/>
        <source>Prepare cashless order</source>
        <translation>Подготовка безналичного заказа</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Successfully saved</source>
        <translation>Успешно сохранено</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Attempt to send on server</source>
        <translation>Попытка отправки на сервер</translation>
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
        <translation>Неизвестная ошибка</translation>
    </message>
    <message>
        <location line="-130"/>
        <source>Order not found</source>
        <translation>Заказ не найден</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+20"/>
        <location line="+64"/>
        <source>Order type not found</source>
        <translation>Тип заказа не найден</translation>
    </message>
    <message>
        <location line="-83"/>
        <location line="+16"/>
        <location line="+49"/>
        <location line="+13"/>
        <source>Company not found</source>
        <translation>Компания не найдена</translation>
    </message>
    <message>
        <location line="-77"/>
        <source>Tariff not set</source>
        <translation>Тариф не задан</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Client not found</source>
        <translation>Клиент не найден</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+17"/>
        <source>Driver not found</source>
        <translation>Водитель не найден</translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+17"/>
        <location line="+46"/>
        <source>Driver terminal blocked</source>
        <translation>Терминал водителя заблокирован</translation>
    </message>
    <message>
        <location line="-62"/>
        <location line="+17"/>
        <source>Driver status isn&apos;t free</source>
        <translation>Водитель не в статусе «Свободен»</translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+17"/>
        <source>Driver not connected to order type</source>
        <translation>Водитель не подключен к типу заказа</translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+17"/>
        <location line="+46"/>
        <source>Driver tempory disconnected</source>
        <translation>Водитель временно отключен</translation>
    </message>
    <message>
        <location line="-62"/>
        <location line="+30"/>
        <source>Failed to init records in TZA</source>
        <translation>Не удалось инициализировать записи в TZA</translation>
    </message>
    <message>
        <location line="-29"/>
        <source>Failed to define coords of 1st feed address</source>
        <translation>Не удалось определить координаты первого адреса подачи</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to assamble order message</source>
        <translation>Не удалось сформировать сообщение заказа</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to assamble way points message</source>
        <translation>Не удалось сформировать сообщение точек маршрута</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+31"/>
        <source>Driver didn&apos;t accept order type</source>
        <translation>Водитель не принимает этот тип заказа</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>Order successfully saved on server</source>
        <translation>Заказ успешно сохранен на сервере</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order already exists in db</source>
        <translation>Заказ уже существует в БД</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Invalid time of feed time offset</source>
        <translation>Неверное смещение времени подачи</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+64"/>
        <source>Tariff not found</source>
        <translation>Тариф не найден</translation>
    </message>
    <message>
        <location line="-57"/>
        <source>Invalid feed time</source>
        <translation>Неверное время подачи</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid time of start search driver (must be &gt;=0 and &lt;= 60)</source>
        <translation>Неверное время начала поиска водителя (должно быть &gt;=0 и &lt;= 60)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+53"/>
        <source>Failed to start transaction</source>
        <translation>Не удалось начать транзакцию</translation>
    </message>
    <message>
        <location line="-52"/>
        <source>Failed commit transaction</source>
        <translation>Не удалось зафиксировать транзакцию</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid feed time of way point</source>
        <translation>Неверное время подачи для точки маршрута</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid lat coord</source>
        <translation>Неверная широта</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid lon coord</source>
        <translation>Неверная долгота</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to insert order</source>
        <translation>Не удалось добавить заказ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to insert way point</source>
        <translation>Не удалось добавить точку маршрута</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+53"/>
        <source>Failed to create snapshot of first part tariff</source>
        <translation>Не удалось создать снимок первой части тарифа</translation>
    </message>
    <message>
        <location line="-52"/>
        <location line="+53"/>
        <source>Failed to create snapshot of second part tariff</source>
        <translation>Не удалось создать снимок второй части тарифа</translation>
    </message>
    <message>
        <location line="-52"/>
        <location line="+53"/>
        <source>Failed to create snapshot of zones</source>
        <translation>Не удалось создать снимок зон</translation>
    </message>
    <message>
        <location line="-52"/>
        <source>Failed to set link to first part of tariff</source>
        <translation>Не удалось задать ссылку на первую часть тарифа</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+52"/>
        <source>Failed to create snapshot of tariff of zone</source>
        <translation>Не удалось создать снимок тарифа зоны</translation>
    </message>
    <message>
        <location line="-51"/>
        <source>Undefined value of &apos;feed_is_fuzzy&apos;</source>
        <translation>Не задано значение &apos;feed_is_fuzzy&apos;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undefined value of &apos;feed_lat&apos;</source>
        <translation>Не задано значение &apos;feed_lat&apos;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undefined value of &apos;feed_lon&apos;</source>
        <translation>Не задано значение &apos;feed_lon&apos;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Driver has not selectes duty</source>
        <translation>Водитель не выбрал дежурство</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Balance of driver is low</source>
        <translation>Низкий баланс водителя</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Additional sum is invalid</source>
        <translation>Неверная дополнительная сумма</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Searching driver</source>
        <translation>Поиск водителя</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ignore driver from black list</source>
        <translation>Водитель из черного списка пропущен</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Return to autoassign</source>
        <translation>Возврат к автоназначению</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+9"/>
        <source>Driver found</source>
        <translation>Водитель найден</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>Failed to define First tariff</source>
        <translation>Не удалось определить первый тариф</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to get list of driver</source>
        <translation>Не удалось получить список водителей</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to prepare routino profile</source>
        <translation>Не удалось подготовить профиль routino</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to prepare routino translation</source>
        <translation>Не удалось подготовить перевод routino</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to init routino db</source>
        <translation>Не удалось инициализировать БД routino</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to init routino</source>
        <translation>Не удалось инициализировать routino</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to set driver in order</source>
        <translation>Не удалось назначить водителя на заказ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to define max distance</source>
        <translation>Не удалось определить максимальное расстояние</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Booking</source>
        <translation>Предварительный заказ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start assign driver</source>
        <translation>Начато назначение водителя</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+13"/>
        <source>First tariff not found</source>
        <translation>Первый тариф не найден</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>Driver status not free</source>
        <translation>Водитель не свободен</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver not connected to tariff of order (no record in table connection)</source>
        <translation>Водитель не подключен к тарифу заказа (нет записи в таблице подключений)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Driver not connected to tariff of order</source>
        <translation>Водитель не подключен к тарифу заказа</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error in assembling way points</source>
        <translation>Ошибка формирования точек маршрута</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error in assembling order</source>
        <translation>Ошибка формирования заказа</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order successfully saved on terminal</source>
        <translation>Заказ успешно сохранен на терминале</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error in insert order in db on driver terminal</source>
        <translation>Ошибка добавления заказа в БД терминала водителя</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error in insert way poins of order in db on driver terminal</source>
        <translation>Ошибка добавления точек маршрута заказа в БД терминала водителя</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Failed to commit transaction</source>
        <translation>Не удалось зафиксировать транзакцию</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Failed to create storge for keep amount result</source>
        <translation>Не удалось создать хранилище для результата расчета суммы</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver treminal has unfinished order</source>
        <translation>На терминале водителя есть незавершенный заказ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Driver staus isn&apos;t free</source>
        <translation>Водитель не в статусе «Свободен»</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Failed to update link to snapshot of first part tariff</source>
        <translation>Не удалось обновить ссылку на снимок первой части тарифа</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Waiting server resolution for accept order</source>
        <translation>Ожидание разрешения сервера на принятие заказа</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Driver rejected order</source>
        <translation>Водитель отклонил заказ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The time for accepting order has been expired</source>
        <translation>Время на принятие заказа истекло</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Server allowed order to accept</source>
        <translation>Сервер разрешил принять заказ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Server denied order to accept</source>
        <translation>Сервер запретил принимать заказ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Server allowed order to deny</source>
        <translation>Сервер разрешил отказаться от заказа</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Order started</source>
        <translation>Заказ начат</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Order reserved</source>
        <translation>Заказ зарезервирован</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mode: move to client</source>
        <translation>Режим: движение к клиенту</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>On place</source>
        <translation>На месте</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start notification client</source>
        <translation>Начато оповещение клиента</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Notification of client completed</source>
        <translation>Оповещение клиента завершено</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Client notification is going on</source>
        <translation>Идет оповещение клиента</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Notification of client failed to start: Exception occurred</source>
        <translation>Не удалось начать оповещение клиента: возникло исключение</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Notification of client failed to start: Failed to define client</source>
        <translation>Не удалось начать оповещение клиента: не удалось определить клиента</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Notification of client failed to start: Failed to get list of servers of notification by call</source>
        <translation>Не удалось начать оповещение клиента: не удалось получить список серверов оповещения звонком</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Notification of client failed to start: Failed to define available entry of severs notification by call</source>
        <translation>Не удалось начать оповещение клиента: не удалось найти доступный сервер оповещения звонком</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Notification of client failed to start: Asterisk server absent in current AMI connections</source>
        <translation>Не удалось начать оповещение клиента: сервер Asterisk отсутствует среди текущих подключений AMI</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Notification of client failed to start: Field to define company</source>
        <translation>Не удалось начать оповещение клиента: не удалось определить компанию</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Notification of client failed to start: Failed to prepared entry in CDR</source>
        <translation>Не удалось начать оповещение клиента: не удалось подготовить запись в CDR</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wait client started</source>
        <translation>Начато ожидание клиента</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Client in the car (start mode with client)</source>
        <translation>Клиент в автомобиле (начало режима с клиентом)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pause on back way</source>
        <translation>Пауза на обратном пути</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Back way</source>
        <translation>Обратный путь</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Preparing for complete</source>
        <translation>Подготовка к завершению</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Complete order</source>
        <translation>Заказ выполнен</translation>
    </message>
</context>
<context>
    <name>utils</name>
    <message>
        <location filename="../qml/js/utils.js" line="+267"/>
        <source>Name</source>
        <translation>Имя</translation>
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
        <translation>Отправить сообщение</translation>
    </message>
</context>
</TS>
