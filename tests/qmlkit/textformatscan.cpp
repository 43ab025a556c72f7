#include "textformatscan.h"

#include <QRegularExpression>

namespace TextFormatScan {

namespace {

// The source with comments and the insides of string literals blanked (line breaks kept), so
// that braces and names in them do not count.
QString codeOnly(const QString &qml)
{
    QString code = qml;
    enum { Code, Line, Block, String } state = Code;
    QChar quote;
    for (int i = 0; i < code.size(); ++i) {
        const QChar c = code.at(i);
        const QChar next = i + 1 < code.size() ? code.at(i + 1) : QChar();
        switch (state) {
        case Code:
            if (c == '/' && next == '/')
                state = Line;
            else if (c == '/' && next == '*')
                state = Block;
            else if (c == '"' || c == '\'')
                state = String, quote = c;
            break;
        case Line:
            if (c == '\n')
                state = Code;
            else
                code[i] = ' ';
            break;
        case Block:
            if (c == '*' && next == '/')
                code[i] = ' ', code[i + 1] = ' ', ++i, state = Code;
            else if (c != '\n')
                code[i] = ' ';
            break;
        case String:
            if (c == '\\' && i + 1 < code.size())
                code[i] = ' ', code[i + 1] = ' ', ++i;
            else if (c == quote)
                state = Code;
            else
                code[i] = ' ';
            break;
        }
    }
    return code;
}

// What an object says directly between its braces, without its child objects and blocks.
QString ownBody(const QString &code, int open)
{
    QString body;
    int depth = 0;
    for (int i = open; i < code.size(); ++i) {
        const QChar c = code.at(i);
        if (c == '{') {
            ++depth;
            continue;
        }
        if (c == '}' && --depth == 0)
            break;
        if (depth == 1)
            body += c;
    }
    return body;
}

int lineOf(const QString &code, int position)
{
    return code.leftRef(position).count(QLatin1Char('\n')) + 1;
}

// Whether the code before position ends in word, blanks aside.
bool endsBefore(const QString &code, int position, const QString &word)
{
    int end = position;
    while (end > 0 && code.at(end - 1).isSpace())
        --end;
    return end >= word.size() && code.midRef(end - word.size(), word.size()) == word;
}

} // namespace

QStringList findings(const QString &qml)
{
    const QString code = codeOnly(qml);
    QStringList found;
    static const QRegularExpression object(QStringLiteral("(?<![\\w.])([A-Z]\\w*)\\s*\\{"));
    for (auto it = object.globalMatch(code); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QString type = match.captured(1);
        const QString body = ownBody(code, match.capturedEnd() - 1);
        const int line = lineOf(code, match.capturedStart());
        static const QStringList textItems{"Text", "Label", "TextEdit", "TextArea"};
        static const QStringList labelled{"ToolTip", "ItemDelegate", "MenuItem", "MenuItemExBase"};
        if (textItems.contains(type) && !body.contains(QRegularExpression(QStringLiteral("\\btextFormat\\s*:"))))
            found.append(QStringLiteral("%1: %2 without a textFormat").arg(line).arg(type));
        const bool isDelegate = endsBefore(code, match.capturedStart(), QStringLiteral("delegate:"));
        if (labelled.contains(type) && (type == QLatin1String("ToolTip") || isDelegate)
            && !body.contains(QRegularExpression(QStringLiteral("\\bcontentItem\\s*:"))))
            found.append(QStringLiteral("%1: %2 with the style's label").arg(line).arg(type));
    }
    static const QRegularExpression attached(QStringLiteral("\\bToolTip\\.text\\s*:\\s*(\\S+)"));
    for (auto it = attached.globalMatch(code); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        if (!match.captured(1).startsWith(QLatin1String("qsTr(")))
            found.append(QStringLiteral("%1: ToolTip.text not a translated text").arg(lineOf(code, match.capturedStart())));
    }
    static const QRegularExpression rich(QStringLiteral("\\btextFormat\\s*:\\s*[\\w.]*(Rich|Styled|Auto)Text"));
    for (auto it = rich.globalMatch(code); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        found.append(QStringLiteral("%1: %2").arg(lineOf(code, match.capturedStart())).arg(match.captured(1) + "Text"));
    }
    return found;
}

} // namespace TextFormatScan
