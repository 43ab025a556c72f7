// The captions of the photo tags of drivers and cars.
.pragma library

var captions = {
    "profile": QT_TR_NOOP("Own photo"),
    "car_data_sheet_1": QT_TR_NOOP("Car data sheet (page 1)"),
    "car_data_sheet_2": QT_TR_NOOP("Car data sheet (page 2)"),
    "license_1": QT_TR_NOOP("License (page 1)"),
    "license_2": QT_TR_NOOP("License (page 2)"),
    "car_outside_front": QT_TR_NOOP("Car outside front"),
    "car_outside_back": QT_TR_NOOP("Car outside back"),
    "car_outside_left": QT_TR_NOOP("Car outside left"),
    "car_outside_right": QT_TR_NOOP("Car outside right"),
    "car_inside_front": QT_TR_NOOP("Car inside front"),
    "car_inside_back": QT_TR_NOOP("Car inside back")
};

// The translated caption of a tag; an unknown tag shows as it is.
function caption(tag) {
    var text = tag === undefined || tag === null ? "" : String(tag);
    return captions.hasOwnProperty(text) ? qsTr(captions[text]) : text;
}
