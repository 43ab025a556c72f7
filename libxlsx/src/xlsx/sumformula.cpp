#include "xlsx/sumformula.h"

#include <QList>

#include <cmath>

namespace Xlsx {

bool SumFormula::parse(const QString &formula, std::vector<CellRange> *ranges, double *constant)
{
    QStringView text = QStringView(formula).trimmed();
    if (text.startsWith(QLatin1Char('=')))
        text = text.mid(1).trimmed();
    if (!text.startsWith(QLatin1String("SUM("), Qt::CaseInsensitive) || !text.endsWith(QLatin1Char(')')))
        return false;
    const QStringView arguments = text.mid(4, text.size() - 5);
    std::vector<CellRange> found;
    double sum = 0;
    for (const QStringView argument : arguments.split(QLatin1Char(','))) {
        const QString item = argument.trimmed().toString();
        const CellRange range(item);
        if (range.isValid()) {
            found.push_back(range);
            continue;
        }
        bool ok = false;
        const double number = item.toDouble(&ok);
        if (!ok || !std::isfinite(number))
            return false;
        sum += number;
    }
    ranges->insert(ranges->end(), found.begin(), found.end());
    *constant += sum;
    return true;
}

} // namespace Xlsx
