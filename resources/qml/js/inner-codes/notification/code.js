// The answer of the notification table's removal of several notifications at once: the codes
// and title of a removal.
.import "../../errors-base.js" as ErrorsBase

var code = {
    "saBatchRemove": ErrorsBase.code["saRemove"]
};
