#pragma once

#include <QStringList>

class QObject;

// The icon-font glyphs (private-use code points) that the text items in the item tree of root
// would draw as the missing-glyph box, because the font face the item resolves to lacks them:
// one "<item>: U+F00C in <family> <style>" entry each. Empty when every glyph has its face.
QStringList missingGlyphs(QObject *root);
