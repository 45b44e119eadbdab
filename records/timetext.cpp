#include "timetext.h"

namespace Module1 {

double LeadingNumber(const QString& text)
{
    QString number;
    for (const QChar c : text) {
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t'))
            continue;
        const bool sign = number.isEmpty() && (c == QLatin1Char('-') || c == QLatin1Char('+'));
        const bool point = c == QLatin1Char('.') && !number.contains(QLatin1Char('.'));
        if (!(c >= QLatin1Char('0') && c <= QLatin1Char('9')) && !sign && !point)
            break;
        number.append(c);
    }
    bool ok = false;
    const double value = number.toDouble(&ok);
    return ok ? value : 0;
}

double ClockTextSeconds(const QString& time)
{
    return LeadingNumber(time.mid(0, 2)) * 60 + LeadingNumber(time.mid(5, 2));
}

} // namespace Module1
