#include "optionstexts.h"

namespace OptionsTexts {

namespace {

const QString LineBreak = QStringLiteral("\n\r");
const QString ParagraphBreak = LineBreak + LineBreak;

} // namespace

QString Version()
{
    return QStringLiteral(DEZUDOR_VERSION);
}

QString ContactAddress()
{
    return QString::fromUtf8(DEZUDOR_CONTACT);
}

QStringList AboutTexts()
{
    return {
        QStringLiteral("Dezudor játék"),
        QStringLiteral("Verzió: ") + Version(),
        QStringLiteral("A képeket maga a program rajzolja."),
        QStringLiteral("Szabad szoftver, MIT licenc."),
    };
}

void AssembleHelpText(QLabel* label)
{
    const QString pieces[] = {
        QStringLiteral("A játék kétféleképpen is irányítható: "),
        ParagraphBreak,
        QStringLiteral("Egérrel"),
        ParagraphBreak,
        QStringLiteral("Kattintsunk arra a négyzetre, amelyet az üres helyre akarunk mozgatni."),
        ParagraphBreak,
        QStringLiteral("Kurzormozgató nyilakkal:"),
        ParagraphBreak,
        QStringLiteral("Használjuk azt a nyilat, amelyik irányba a kiszemelt négyzetet mozgatni akarjuk."),
        ParagraphBreak,
        QStringLiteral("Ha rekordot értünk el, beírhatjuk a nevünket a csúcstartók listájába."),
        ParagraphBreak,
    };
    for (const QString& piece : pieces)
        label->setText(label->text() + piece);
}

QString ScreenText(const QString& text)
{
    QString screen = text;
    return screen.replace(LineBreak, QStringLiteral("\n"));
}

QString StatusText(int tab)
{
    switch (tab) {
    case PictureTab:
        return QStringLiteral("Kattints valamelyik képre!");
    case AboutTab:
        return QStringLiteral("Kapcsolat: ") + ContactAddress();
    default:
        return {};
    }
}

} // namespace OptionsTexts
