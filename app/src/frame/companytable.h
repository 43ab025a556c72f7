#pragma once

#include "gui/table/standardtable.h"

// The widget table of companies, a frame that saved GUI sessions re-open by name: the rows of a
// widget-side company controller, asked for at once when the user may read companies.
class CompanyTable : public Gui::StandardTable
{
    Q_OBJECT

public:
    CompanyTable();
    ~CompanyTable() override;

    // Says why the table stays empty when the user may not read companies.
    void afterShow() override;

    bool isReadAllowed() const { return m_readAllowed; }

private:
    bool m_readAllowed = false;
    bool m_refusalShown = false;
};
