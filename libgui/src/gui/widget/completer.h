#pragma once

#include "listview.h"

namespace Gui {

// A tool-tip window listing completions; a double click reports the row.
class Completer : public ListView
{
    Q_OBJECT

public:
    explicit Completer(QWidget *parent = nullptr);
    ~Completer() override;

signals:
    void doubleSelected(int row);
};

} // namespace Gui
