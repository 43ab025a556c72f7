import QtQuick.Controls 2.15

// A plain scroll view.
ScrollView {
}
