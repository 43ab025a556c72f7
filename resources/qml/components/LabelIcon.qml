import QtQuick 2.15
import "../js/fontawesome.js" as FontAwesome

// A glyph of the icon font, drawn with a face that has it: the solid face when bold is asked for
// or when the regular face lacks the glyph. The only item of the kit that names the icon font.
LabelEx {
    // One glyph of the FontAwesome table; text may add a caption after it.
    property string glyph
    property bool bold: false
    // Another icon font (the brands) draws every glyph in its one face.
    property string family: FontAwesome.Family

    text: glyph
    font.family: family
    font.bold: family === FontAwesome.Family ? FontAwesome.isSolid(glyph, bold) : bold
}
