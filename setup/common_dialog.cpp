#include "setup/common_dialog.h"

#include "ui/dialogs.h"

namespace varnix {

QStringList nameFiltersFor(const QString& filter)
{
    const auto pieces = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < pieces.size(); i += 2) {
        QStringList patterns = pieces.at(i + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (auto& pattern : patterns) {
            pattern = pattern.trimmed();
            if (pattern == QLatin1String("*.*"))
                pattern = QStringLiteral("*");
        }
        // The description is shown as it stands; the patterns after it match.
        filters.push_back(pieces.at(i) + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')'));
    }
    return filters;
}

void CommonDialog::showOpen(Dialogs& dialogs)
{
    if (const auto chosen = dialogs.openFile(nameFiltersFor(Filter), FilterIndex, FileName))
        FileName = *chosen;
}

}  // namespace varnix
