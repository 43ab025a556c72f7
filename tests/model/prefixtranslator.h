#pragma once

#include <QString>
#include <QTranslator>

// Translates every text of the "QObject" context to the prefix followed by the source text, so
// that translated texts show; other contexts stay untranslated. Install it for a test and remove
// it again.
class PrefixTranslator : public QTranslator
{
public:
    explicit PrefixTranslator(const QString &prefix);

    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *disambiguation, int n) const override;

private:
    const QString m_prefix;
};
