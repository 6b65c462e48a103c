#include "cli/CliRunner.h"
#include "translations/Translations.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs a built program with the locale variables given as "NAME=value" and no
// other locale variable set.
Run runWith(const QString& program, const QStringList& arguments, const QStringList& locale) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        env.remove(QString::fromLatin1(name));
    for (const QString& setting : locale)
        env.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    Run run;
    if (process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit)
        run = {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
    return run;
}

// The placeholders %1..%99 of a text, sorted, each once.
QStringList placeholders(const QString& text) {
    static const QRegularExpression number(QStringLiteral("%(\\d{1,2})"));
    QStringList found;
    for (const QRegularExpressionMatch& m : number.globalMatch(text))
        if (!found.contains(m.captured(0)))
            found << m.captured(0);
    found.sort();
    return found;
}

// A single '&' marks a mnemonic; "&&" is a literal ampersand.
bool hasMnemonic(QString text) {
    return text.remove(QStringLiteral("&&")).contains(u'&');
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void preferredLanguages_data();
    void preferredLanguages();
    void germanEntriesAreFinished();
    void programsSpeakTheUsersLanguage_data();
    void programsSpeakTheUsersLanguage();
    void englishIsUnchanged();
};

void TestTranslations::preferredLanguages_data() {
    QTest::addColumn<QStringList>("variables"); // LANGUAGE, LC_ALL, LC_MESSAGES, LANG
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("LANG only") << QStringList{"", "", "", "de_DE.UTF-8"} << QStringList{"de_DE"};
    QTest::newRow("LANGUAGE first")
        << QStringList{"fr:de", "", "", "en_US.UTF-8"} << QStringList{"fr", "de", "en_US"};
    QTest::newRow("LC_ALL over LANG")
        << QStringList{"", "de_AT.UTF-8", "", "en_GB"} << QStringList{"de_AT"};
    QTest::newRow("LC_MESSAGES over LANG")
        << QStringList{"", "", "de_CH@euro", "en_GB"} << QStringList{"de_CH"};
    // As in GNU gettext, the C locale ignores LANGUAGE.
    QTest::newRow("C ignores LANGUAGE") << QStringList{"de", "", "", "C"} << QStringList{};
    QTest::newRow("C.UTF-8 ignores LANGUAGE")
        << QStringList{"de", "C.UTF-8", "", "de_DE"} << QStringList{};
    QTest::newRow("nothing set") << QStringList{"de", "", "", ""} << QStringList{};
    QTest::newRow("empty and repeated entries")
        << QStringList{"de::de_DE.UTF-8:de", "", "", "de_DE.UTF-8"} << QStringList{"de", "de_DE"};
}

void TestTranslations::preferredLanguages() {
    QFETCH(QStringList, variables);
    QFETCH(QStringList, expected);
    QCOMPARE(
        Translations::preferredLanguages(variables[0], variables[1], variables[2], variables[3]),
        expected);
}

// Every entry translated, its placeholders and mnemonic kept; none left over
// from texts the program no longer has.
void TestTranslations::germanEntriesAreFinished() {
    QFile file(QStringLiteral(TLMR_TS_FILE));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    QXmlStreamReader xml(&file);
    int messages = 0;
    QString context;
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"source") {
            source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (xml.name() == u"translation") {
            ++messages;
            const QString where = context + QStringLiteral(": ") + source;
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            QVERIFY2(type.isEmpty(), qPrintable(type + u' ' + where));
            const QString translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            QVERIFY2(!translation.isEmpty(), qPrintable(where));
            QVERIFY2(placeholders(translation) == placeholders(source), qPrintable(where));
            QVERIFY2(hasMnemonic(translation) == hasMnemonic(source), qPrintable(where));
            // Leading and trailing spaces and line ends are part of the layout.
            QVERIFY2(translation.startsWith(u' ') == source.startsWith(u' '), qPrintable(where));
            QVERIFY2(translation.endsWith(u'\n') == source.endsWith(u'\n'), qPrintable(where));
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY2(messages > 250, qPrintable(QString::number(messages)));
}

void TestTranslations::programsSpeakTheUsersLanguage_data() {
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("locale");
    QTest::addColumn<QByteArray>("starts"); // of standard output, or of the error
    const QString cli = QStringLiteral(TLMR_CLI_PATH);
    const QString window = QStringLiteral(TLMR_PROGRAM_PATH);
    const QStringList help{"--help"};
    const QStringList german{"LANGUAGE=de", "LANG=de_DE.UTF-8"};
    QTest::newRow("cli, LANGUAGE=de") << cli << help << german << QByteArray("Aufruf: ");
    QTest::newRow("window, LANGUAGE=de")
        << window << help << german << QByteArray("Aufruf: tallowmere ");
    QTest::newRow("cli, LANG=de_DE only")
        << cli << help << QStringList{"LANG=de_DE.UTF-8"} << QByteArray("Aufruf: ");
    QTest::newRow("cli, LANGUAGE over an English LANG")
        << cli << help << QStringList{"LANGUAGE=de:en", "LANG=en_US.UTF-8"}
        << QByteArray("Aufruf: ");
    QTest::newRow("cli, English preferred over German")
        << cli << help << QStringList{"LANGUAGE=en:de", "LANG=de_DE.UTF-8"}
        << QByteArray("Usage: ");
    QTest::newRow("cli, an untranslated language falls through to German")
        << cli << help << QStringList{"LANGUAGE=sv:de", "LANG=sv_SE.UTF-8"}
        << QByteArray("Aufruf: ");
    QTest::newRow("cli, LANG=C") << cli << help << QStringList{"LANGUAGE=de", "LANG=C"}
                                 << QByteArray("Usage: ");
    QTest::newRow("window, LC_ALL=C")
        << window << help << QStringList{"LANGUAGE=de", "LC_ALL=C", "LANG=de_DE"}
        << QByteArray("Usage: ");
    QTest::newRow("cli error, LANGUAGE=de")
        << cli << QStringList{"schedule", "--rate", "x"} << german
        << QByteArray("tallowmere-cli: --rate: 'x' ist keine Zahl;");
}

void TestTranslations::programsSpeakTheUsersLanguage() {
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, locale);
    QFETCH(QByteArray, starts);
    const Run run = runWith(program, arguments, locale);
    const QByteArray& text = run.exitCode == 0 ? run.out : run.err;
    QVERIFY2(run.exitCode >= 0, "the program did not finish");
    QVERIFY2(text.startsWith(starts), text.constData());
}

// Under an English or the C locale the texts are the program's own, byte for byte.
void TestTranslations::englishIsUnchanged() {
    for (const QStringList& locale :
         {QStringList{"LANG=C"}, QStringList{"LANGUAGE=de", "LC_ALL=C.UTF-8"},
          QStringList{"LANG=en_US.UTF-8"}, QStringList{"LANGUAGE=en_GB:de", "LANG=de_DE"}}) {
        const Run run = runWith(QStringLiteral(TLMR_CLI_PATH), {"--help"}, locale);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(QString::fromUtf8(run.out), cliUsage());
    }
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "test_translations.moc"
