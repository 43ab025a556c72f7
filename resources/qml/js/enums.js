.pragma library
// Named constants shared by the pages and the page kit.

// Button roles of the editor's button box
var ButtonOk = "ok";
var ButtonApply = "apply";
var ButtonCancel = "cancel";
var ButtonClose = "close";
var ButtonDuplicate = "duplicate";

// Toast themes
var ToastGreen = 0;
var ToastRed = 1;

// Security operations
var CrudCreate = "create";
var CrudRead = "read";
var CrudUpdate = "update";
var CrudDelete = "delete";
var CrudDuplicate = "duplicate";
var CrudOpenEditor = "open_editor";
var CrudTableMapping = "table_mapping";

// Loading stages
var LoadingNone = "none";
var LoadingStart = "start";
var LoadingFinish = "finish";

// Characters of one text a one-line item lays out at most (a table cell, a tool tip, a text
// field): a longer text shows its start and an ellipsis. Laying out a line costs far more than
// its characters, and no screen shows more of one line.
var ShownTextLength = 1000;
// Characters of one text a multi-line area lays out at most (a note, a description), in all and
// in its longest line: a longer text shows its start and an ellipsis, and a paste is cut to fit.
// An area's memory grows with its characters, and each keystroke lays out its line again, in time
// that grows faster than the line: some 20 ms for 20,000 characters without a space.
var ShownNoteLength = 50000;
var ShownNoteLineLength = 20000;

// Control types of the input controls
var ControlTypeLabel = "label";
var ControlTypeTextField = "textField";
var ControlTypeTextArea = "textArea";
var ControlTypeCheckBox = "checkBox";
var ControlTypeComboBox = "comboBox";
var ControlTypeSwitch = "switch";

// Ignored-driver sources
var IgnoreDriverClient = "client";
var IgnoreDriverDriver = "driver";
var IgnoreDriverOperator = "operator";

// Caller kinds
var UserCallerInternal = "internal";
var UserCallerExternal = "external";

// Driver events
var EventDriverGps = "gps";
var EventDriverStatus = "status";

// Update channels
var ChannelRelease = "release";
var ChannelBeta = "beta";

// Order completion methods
var OrderCompletedMethodComplete = "complete";
var OrderCompletedMethodKeepToConfirm = "keepToConfirm";
var OrderCompletedMethodBackToAutoassign = "backToAutoassign";

// Payment providers
var PaymentSystemLiqPay = "lqp";
var PaymentSystemEasyPay = "esp";
var PaymentSystemCity24 = "city24";
var PaymentSystemFondy = "fondy";

// Client-group bonus bases
var ClientGroupBonusCountTrips = "countTrips";
var ClientGroupBonusSumTrips = "sumTrips";

// Client-group bonus order kinds
var ClientGroupBonusDispatcherOrder = "dispatcher";
var ClientGroupBonusApplicationOrder = "application";

// SMS gateway protocols
var SmsProtocolHttp = "http";
var SmsProtocolSmpp = "smpp";

// Chat group destinations
var ChatGroupDestinationDrivers = "drivers";
var ChatGroupDestinationClients = "clients";

// Chat group destination types
var ChatGroupDestinationTypeCommon = "common";
var ChatGroupDestinationTypeGroup = "group";
var ChatGroupDestinationTypePersonal = "personal";
var ChatGroupDestinationTypeDriverTariffGroup = "driverTariffGroup";
var ChatGroupDestinationTypeClientGroup = "clientGroup";

// Chat senders
var ChatSenderUser = "user";
var ChatSenderDriver = "driver";
var ChatSenderClient = "client";

// Chat completion stages
var ChatCompleteStageNone = 0;
var ChatCompleteStagePrepare = 1;
var ChatCompleteStageResolved = 2;
var ChatCompleteStageNotResolved = 3;

// Chat filters
var ChatFilterCurrent = 0;
var ChatFilterResolved = 1;
var ChatFilterNotResolved = 2;
var ChatFilterDeleted = 3;

// Order bonus use
var OrderUseBonusesManual = 0;
var OrderUseBonusesAutoFirstTip = 1;
var OrderUseBonusesAutoDispatcherOrder = 2;
var OrderUseBonusesAutoApplicationOrder = 3;

// Client kinds (values of APP_HOST)
var AppHostTaldor = "taldor";
var AppHostNorvik = "norvik";

// Driver statuses
var DriverStatusFree = 0;
var DriverStatusBusy = 1;
var DriverStatusOffline = 2;
var DriverStatusNone = 3;

// Widget bridges
var QmlBridgeUserResetPasswordDialog = "UserResetPasswordDialog";

// Tariff interval units
var IntervalHrnPerKm = 0;
var IntervalHrnPerMin = 1;
var IntervalHrnPerOrder = 2;
var IntervalCommissionPerOrderAbs = 3;
var IntervalCommissionPerOrderRel = 4;
var IntervalCashback = 5;
var IntervalHrnPerHour = 6;

// Payment types
var PaymentTypeCash = 0;
var PaymentTypeCorporateCardNoRefillBalance = 1;
var PaymentTypeCorporateCard = 2;
var PaymentTypeBankCard = 3;
