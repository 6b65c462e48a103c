<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Application</name>
    <message>
        <source>An unidentified error has occurred.</source>
        <translation>Ein nicht näher bestimmter Fehler ist aufgetreten.</translation>
    </message>
</context>
<context>
    <name>ArithmeticError</name>
    <message>
        <source>Valid results cannot be calculated using the variables you have entered.</source>
        <translation>Mit den eingegebenen Werten lassen sich keine gültigen Ergebnisse berechnen.</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>%1: %2 is not a number; expected a number with &apos;.&apos; as the decimal point, e.g. 1000 or 12.50</source>
        <translation>%1: %2 ist keine Zahl; erwartet wird eine Zahl mit &apos;.&apos; als Dezimaltrennzeichen, z. B. 1000 oder 12.50</translation>
    </message>
    <message>
        <source>%1: %2 is not a month and year; expected one of %3 followed by a whole year, e.g. &quot;Jan 2000&quot;</source>
        <translation>%1: %2 ist keine Angabe aus Monat und Jahr; erwartet wird einer von %3, gefolgt von einer ganzen Jahreszahl, z. B. &quot;Jan 2000&quot;</translation>
    </message>
    <message>
        <source>%1: %2 is not a step index; expected a whole number from 0 to %3 (%4)</source>
        <translation>%1: %2 ist keine Stufennummer; erwartet wird eine ganze Zahl von 0 bis %3 (%4)</translation>
    </message>
    <message>
        <source>unknown option %1; accepted options: %2</source>
        <translation>unbekannte Option %1; zulässige Optionen: %2</translation>
    </message>
    <message>
        <source>%1 needs a value; see --help</source>
        <translation>%1 braucht einen Wert; siehe --help</translation>
    </message>
    <message>
        <source>show this help</source>
        <translation>diese Hilfe anzeigen</translation>
    </message>
    <message>
        <source>initial balance (default %1)</source>
        <translation>Anfangskapital (Vorgabe %1)</translation>
    </message>
    <message>
        <source>monthly savings of the first row (default %1)</source>
        <translation>monatlicher Sparbetrag der ersten Zeile (Vorgabe %1)</translation>
    </message>
    <message>
        <source>first month and year (default %1)</source>
        <translation>erster Monat und Jahr (Vorgabe %1)</translation>
    </message>
    <message>
        <source>last month and year (default %1); months: %2</source>
        <translation>letzter Monat und Jahr (Vorgabe %1); Monate: %2</translation>
    </message>
    <message>
        <source>compounding: %1 (default %2)</source>
        <translation>Verzinsung: %1 (Vorgabe %2)</translation>
    </message>
    <message>
        <source>annual interest rate in percent of the middle column, rounded to %1 decimals (default %2)</source>
        <translation>jährlicher Zinssatz in Prozent für die mittlere Spalte, gerundet auf %1 Nachkommastellen (Vorgabe %2)</translation>
    </message>
    <message>
        <source>savings step index 0-%1: %2 (default %3)</source>
        <translation>Stufe der Sparbetragserhöhung 0-%1: %2 (Vorgabe %3)</translation>
    </message>
    <message>
        <source>rate step index 0-%1: %2 percentage points (default %3)</source>
        <translation>Stufe der Zinserhöhung 0-%1: %2 Prozentpunkte (Vorgabe %3)</translation>
    </message>
    <message>
        <source>--frequency: %1 is not a frequency; expected one of %2</source>
        <translation>--frequency: %1 ist kein Verzinsungsintervall; erwartet wird eines von %2</translation>
    </message>
    <message>
        <source>regional settings for the texts, a locale name language_TERRITORY such as en_US or de_DE (default: from the environment, LANG / LC_ALL)</source>
        <translation>Ländereinstellungen für die Texte, ein Gebietsschema der Form sprache_GEBIET wie en_US oder de_DE (Vorgabe: aus der Umgebung, LANG / LC_ALL)</translation>
    </message>
    <message>
        <source>--locale: %1 is not a known locale; expected a locale name language_TERRITORY such as en_US or de_DE</source>
        <translation>--locale: %1 ist kein bekanntes Gebietsschema; erwartet wird ein Name der Form sprache_GEBIET wie en_US oder de_DE</translation>
    </message>
    <message>
        <source>the savings/rate schedule as text, CSV or JSON</source>
        <translation>die Sparraten/Zins-Tabelle als Text, CSV oder JSON</translation>
    </message>
    <message>
        <source>one cell of the schedule year by year</source>
        <translation>eine Zelle der Tabelle Jahr für Jahr</translation>
    </message>
    <message>
        <source>the printed schedule as a PDF file</source>
        <translation>die gedruckte Tabelle als PDF-Datei</translation>
    </message>
    <message>
        <source>the savings, balance, term or rate that reaches a future value</source>
        <translation>Sparbetrag, Anfangskapital, Laufzeit oder Zinssatz für einen Endwert</translation>
    </message>
    <message>
        <source>Usage: tallowmere-cli COMMAND [options]
       tallowmere-cli COMMAND --help
       tallowmere-cli --help | --version

Calculates the savings/rate schedule without the window.

Commands:
</source>
        <translation>Aufruf: tallowmere-cli BEFEHL [Optionen]
        tallowmere-cli BEFEHL --help
        tallowmere-cli --help | --version

Berechnet die Sparbetrag/Zins-Tabelle ohne Fenster.

Befehle:
</translation>
    </message>
    <message>
        <source>
Run &apos;tallowmere-cli COMMAND --help&apos; for the options of a command.

Exit status: 0 success, 1 the values cannot be calculated, 2 bad input,
3 the output could not be written, 4 the goal cannot be reached.
</source>
        <translation>
&apos;tallowmere-cli BEFEHL --help&apos; zeigt die Optionen eines Befehls.

Rückgabewert: 0 Erfolg, 1 die Werte lassen sich nicht berechnen, 2 ungültige
Eingabe, 3 die Ausgabe konnte nicht geschrieben werden, 4 das Ziel ist nicht
erreichbar.
</translation>
    </message>
    <message>
        <source>missing command; expected: %1 (or --help)</source>
        <translation>Befehl fehlt; erwartet: %1 (oder --help)</translation>
    </message>
    <message>
        <source>unknown command %1; expected: %2</source>
        <translation>unbekannter Befehl %1; erwartet: %2</translation>
    </message>
    <message>
        <source>unknown command %1; expected: %2 (or --help)</source>
        <translation>unbekannter Befehl %1; erwartet: %2 (oder --help)</translation>
    </message>
    <message>
        <source>the future value to reach (required), a number above zero</source>
        <translation>der zu erreichende Endwert (erforderlich), eine Zahl größer als null</translation>
    </message>
    <message>
        <source>what to solve for (required): the monthly savings, the initial balance, the term (as the last month) or the interest rate; the option of that input is ignored</source>
        <translation>die gesuchte Größe (erforderlich): monatlicher Sparbetrag, Anfangskapital, Laufzeit (als letzter Monat) oder Zinssatz; die Option dieser Eingabe wird ignoriert</translation>
    </message>
    <message>
        <source>--target is required: the future value to reach, e.g. --target 20000</source>
        <translation>--target ist erforderlich: der zu erreichende Endwert, z. B. --target 20000</translation>
    </message>
    <message>
        <source>--target: %1 is not an amount above zero; expected a number with &apos;.&apos; as the decimal point, e.g. 20000 or 12500.50</source>
        <translation>--target: %1 ist kein Betrag größer als null; erwartet wird eine Zahl mit &apos;.&apos; als Dezimaltrennzeichen, z. B. 20000 oder 12500.50</translation>
    </message>
    <message>
        <source>expected one of %1</source>
        <translation>erwartet wird eines von %1</translation>
    </message>
    <message>
        <source>--solve is required; %1</source>
        <translation>--solve ist erforderlich; %1</translation>
    </message>
    <message>
        <source>--solve: %1 is not something to solve for; %2</source>
        <translation>--solve: %1 ist keine berechenbare Größe; %2</translation>
    </message>
    <message>
        <source>Monthly savings</source>
        <translation>Monatlicher Sparbetrag</translation>
    </message>
    <message>
        <source>Initial balance</source>
        <translation>Anfangskapital</translation>
    </message>
    <message>
        <source>Last month</source>
        <translation>Letzter Monat</translation>
    </message>
    <message>
        <source>Interest rate</source>
        <translation>Zinssatz</translation>
    </message>
    <message>
        <source>%1 to reach %2: %3</source>
        <translation>%1 für %2: %3</translation>
    </message>
    <message>
        <source> (%1 months)</source>
        <translation> (%1 Monate)</translation>
    </message>
    <message>
        <source>
Future value: %1
</source>
        <translation>
Endwert: %1
</translation>
    </message>
    <message>
        <source>Usage: tallowmere-cli goal --target X --solve WHAT [options]

Solves the schedule&apos;s base cell for a future value: the monthly savings or the
initial balance to the cent (rounded up), the fewest whole months (as the last
month) or the lowest interest rate to three decimals that reach the target,
all other inputs as given. WHAT is savings, balance, term or rate.

Options:
</source>
        <translation>Aufruf: tallowmere-cli goal --target X --solve WAS [Optionen]

Löst die Ausgangszelle der Tabelle nach einem Endwert auf: den monatlichen
Sparbetrag oder das Anfangskapital auf den Cent (aufgerundet), die wenigsten
ganzen Monate (als letzter Monat) oder den niedrigsten Zinssatz auf drei
Nachkommastellen, mit dem das Ziel erreicht wird; alle anderen Eingaben wie
angegeben. WAS ist savings, balance, term oder rate.

Optionen:
</translation>
    </message>
    <message>
        <source>
Exit status: 0 success, 1 the values cannot be calculated, 2 bad input,
3 the output could not be written, 4 the goal cannot be reached (the reason
on standard error).
</source>
        <translation>
Rückgabewert: 0 Erfolg, 1 die Werte lassen sich nicht berechnen, 2 ungültige
Eingabe, 3 die Ausgabe konnte nicht geschrieben werden, 4 das Ziel ist nicht
erreichbar (der Grund steht in der Standardfehlerausgabe).
</translation>
    </message>
    <message>
        <source>the rate column, 1-7 (default 4, the entered rate)</source>
        <translation>die Zinsspalte, 1-7 (Vorgabe 4, der eingegebene Zinssatz)</translation>
    </message>
    <message>
        <source>the savings row, 1-11 (default 1, the entered savings)</source>
        <translation>die Sparbetragszeile, 1-11 (Vorgabe 1, der eingegebene Sparbetrag)</translation>
    </message>
    <message>
        <source>--%1: %2 is not a %1; expected a whole number from 1 to %3</source>
        <translation>--%1: %2 ist kein gültiger Wert für %1; erwartet wird eine ganze Zahl von 1 bis %3</translation>
    </message>
    <message>
        <source>Usage: tallowmere-cli growth [options]

Prints one cell of the savings/rate schedule year by year: the months, the
date, the money paid in, the interest earned and the balance every 12 months
and at the end of the term. The last row is the cell&apos;s value.

Options:
</source>
        <translation>Aufruf: tallowmere-cli growth [Optionen]

Gibt eine Zelle der Sparbetrag/Zins-Tabelle Jahr für Jahr aus: die Monate, das
Datum, die Einzahlungen, den Zinsertrag und den Kontostand alle 12 Monate und
am Ende der Laufzeit. Die letzte Zeile ist der Wert der Zelle.

Optionen:
</translation>
    </message>
    <message>
        <source>
Exit status: 0 success, 1 the values cannot be calculated, 2 bad input,
3 the output could not be written.
</source>
        <translation>
Rückgabewert: 0 Erfolg, 1 die Werte lassen sich nicht berechnen, 2 ungültige
Eingabe, 3 die Ausgabe konnte nicht geschrieben werden.
</translation>
    </message>
    <message>
        <source>the PDF file to write (required)</source>
        <translation>die zu schreibende PDF-Datei (erforderlich)</translation>
    </message>
    <message>
        <source>Usage: tallowmere-cli report --pdf FILE [options]

Writes the printed schedule (one Letter page) to FILE as a PDF.

Options:
</source>
        <translation>Aufruf: tallowmere-cli report --pdf DATEI [Optionen]

Schreibt die gedruckte Tabelle (eine Seite im Format Letter) als PDF in DATEI.

Optionen:
</translation>
    </message>
    <message>
        <source>--format does not apply to report; it always writes a PDF</source>
        <translation>--format gilt nicht für report; es wird immer ein PDF geschrieben</translation>
    </message>
    <message>
        <source>report needs --pdf FILE; see --help</source>
        <translation>report braucht --pdf DATEI; siehe --help</translation>
    </message>
    <message>
        <source>text (aligned table, default), csv (RFC 4180, a record per cell) or json</source>
        <translation>text (ausgerichtete Tabelle, Vorgabe), csv (RFC 4180, ein Datensatz je Zelle) oder json</translation>
    </message>
    <message>
        <source>--format: %1 is not a format; expected one of text, csv, json</source>
        <translation>--format: %1 ist kein Format; erwartet wird text, csv oder json</translation>
    </message>
    <message>
        <source>Usage: tallowmere-cli schedule [options]

Prints the savings/rate schedule: %1 monthly savings amounts by %2 interest
rates, each cell the future value of the balance plus that saving over the
term.

Options:
</source>
        <translation>Aufruf: tallowmere-cli schedule [Optionen]

Gibt die Sparbetrag/Zins-Tabelle aus: %1 monatliche Sparbeträge mal %2
Zinssätze, jede Zelle der Endwert des Anfangskapitals plus dieses Sparbetrags
über die Laufzeit.

Optionen:
</translation>
    </message>
    <message>
        <source>
Numbers use &apos;.&apos; as the decimal point; years are whole numbers. Options also
accept the form --name=value.

Exit status: 0 success, 1 the values cannot be calculated, 2 bad input,
3 the output could not be written.
</source>
        <translation>
Zahlen verwenden &apos;.&apos; als Dezimaltrennzeichen; Jahre sind ganze Zahlen. Optionen
sind auch in der Form --name=wert möglich.

Rückgabewert: 0 Erfolg, 1 die Werte lassen sich nicht berechnen, 2 ungültige
Eingabe, 3 die Ausgabe konnte nicht geschrieben werden.
</translation>
    </message>
    <message>
        <source>Term: %1 months   Savings step: %2   Rate step: %3

</source>
        <translation>Laufzeit: %1 Monate   Sparbetragsstufe: %2   Zinsstufe: %3

</translation>
    </message>
</context>
<context>
    <name>ConversionError</name>
    <message>
        <source>&apos;%1&apos; is not a valid number</source>
        <translation>&apos;%1&apos; ist keine gültige Zahl</translation>
    </message>
</context>
<context>
    <name>DownloadTarget</name>
    <message>
        <source>%1: not a regular file; it is left as it is</source>
        <translation>%1: keine gewöhnliche Datei; sie bleibt unverändert</translation>
    </message>
</context>
<context>
    <name>ErrorRecovery</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Valid results cannot be calculated using</source>
        <translation>Mit den eingegebenen Werten lassen sich</translation>
    </message>
    <message>
        <source>the variables you have entered.</source>
        <translation>keine gültigen Ergebnisse berechnen.</translation>
    </message>
    <message>
        <source>Please try again with reasonable values.</source>
        <translation>Bitte versuchen Sie es mit sinnvollen Werten erneut.</translation>
    </message>
    <message>
        <source>An unidentified error has occurred.</source>
        <translation>Ein nicht näher bestimmter Fehler ist aufgetreten.</translation>
    </message>
    <message>
        <source>Please contact %1    </source>
        <translation>Bitte wenden Sie sich an %1    </translation>
    </message>
    <message>
        <source>at:  </source>
        <translation>unter:  </translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>File: </source>
        <translation>Datei: </translation>
    </message>
    <message>
        <source>Reason: </source>
        <translation>Grund: </translation>
    </message>
    <message>
        <source>Close %1 without saving?</source>
        <translation>%1 ohne Speichern schließen?</translation>
    </message>
</context>
<context>
    <name>FixedDialog</name>
    <message>
        <source> &amp;OK</source>
        <translation> &amp;OK</translation>
    </message>
</context>
<context>
    <name>GoalSolver</name>
    <message>
        <source>The goal lies beyond what can be calculated.</source>
        <translation>Das Ziel liegt außerhalb des berechenbaren Bereichs.</translation>
    </message>
    <message>
        <source>Enter a target above zero.</source>
        <translation>Geben Sie ein Ziel größer als null ein.</translation>
    </message>
    <message>
        <source>Monthly savings add nothing over a term of %1 months.</source>
        <translation>Bei einer Laufzeit von %1 Monaten tragen monatliche Sparbeträge nichts bei.</translation>
    </message>
    <message>
        <source>The initial balance alone reaches the goal; no monthly saving is needed.</source>
        <translation>Das Anfangskapital allein erreicht das Ziel; ein monatlicher Sparbetrag ist nicht nötig.</translation>
    </message>
    <message>
        <source>No monthly saving the field can hold reaches the goal.</source>
        <translation>Kein Sparbetrag, den das Feld fassen kann, erreicht das Ziel.</translation>
    </message>
    <message>
        <source>The monthly savings alone reach the goal; no initial balance is needed.</source>
        <translation>Die monatlichen Sparbeträge allein erreichen das Ziel; ein Anfangskapital ist nicht nötig.</translation>
    </message>
    <message>
        <source>No initial balance the field can hold reaches the goal.</source>
        <translation>Kein Anfangskapital, das das Feld fassen kann, erreicht das Ziel.</translation>
    </message>
    <message>
        <source>The initial balance already reaches the goal.</source>
        <translation>Das Anfangskapital erreicht das Ziel bereits.</translation>
    </message>
    <message>
        <source>The goal is not reached by Dec %1.</source>
        <translation>Das Ziel wird bis Dezember %1 nicht erreicht.</translation>
    </message>
    <message>
        <source>A rate can be found only for a term of at least one month and amounts that are not negative.</source>
        <translation>Ein Zinssatz lässt sich nur für eine Laufzeit von mindestens einem Monat und nicht negative Beträge finden.</translation>
    </message>
    <message>
        <source>The goal is reached without interest; no rate is needed.</source>
        <translation>Das Ziel wird ohne Zinsen erreicht; ein Zinssatz ist nicht nötig.</translation>
    </message>
    <message>
        <source>No rate up to %1% reaches the goal.</source>
        <translation>Kein Zinssatz bis %1 % erreicht das Ziel.</translation>
    </message>
</context>
<context>
    <name>GoalTexts</name>
    <message>
        <source>reaches the goal of </source>
        <translation>erreicht das Ziel von </translation>
    </message>
</context>
<context>
    <name>GoalWindow</name>
    <message>
        <source>Monthly Savings:</source>
        <translation>Sparrate:</translation>
    </message>
    <message>
        <source>Apply &amp;Savings</source>
        <translation>&amp;Sparbetrag übernehmen</translation>
    </message>
    <message>
        <source>Put this monthly saving into the main window</source>
        <translation>Diesen monatlichen Sparbetrag ins Hauptfenster übernehmen</translation>
    </message>
    <message>
        <source>Initial Balance:</source>
        <translation>Anfangskapital:</translation>
    </message>
    <message>
        <source>Apply &amp;Balance</source>
        <translation>&amp;Anfangskapital übernehmen</translation>
    </message>
    <message>
        <source>Put this initial balance into the main window</source>
        <translation>Dieses Anfangskapital ins Hauptfenster übernehmen</translation>
    </message>
    <message>
        <source>Last Month:</source>
        <translation>Letzter Monat:</translation>
    </message>
    <message>
        <source>Apply &amp;Last Month</source>
        <translation>&amp;Letzten Monat übernehmen</translation>
    </message>
    <message>
        <source>Put this last month and year into the main window</source>
        <translation>Diesen letzten Monat samt Jahr ins Hauptfenster übernehmen</translation>
    </message>
    <message>
        <source>Interest Rate:</source>
        <translation>Zinssatz:</translation>
    </message>
    <message>
        <source>Apply &amp;Rate</source>
        <translation>&amp;Zinssatz übernehmen</translation>
    </message>
    <message>
        <source>Put this interest rate into the main window</source>
        <translation>Diesen Zinssatz ins Hauptfenster übernehmen</translation>
    </message>
    <message>
        <source>Goal - %1</source>
        <translation>Ziel - %1</translation>
    </message>
    <message>
        <source>&amp;Target Future Value:</source>
        <translation>Angestrebter &amp;Endwert:</translation>
    </message>
    <message>
        <source> Enter the future value you want to reach</source>
        <translation> Geben Sie den Endwert ein, den Sie erreichen möchten</translation>
    </message>
    <message>
        <source>Enter the future value you want to reach. The answers use the main window&apos;s other inputs as they stand.</source>
        <translation>Geben Sie den Endwert ein, den Sie erreichen möchten. Die Antworten verwenden die übrigen Eingaben des Hauptfensters, wie sie stehen.</translation>
    </message>
    <message>
        <source>To reach %1 by changing only one input of the main window:</source>
        <translation>Um %1 zu erreichen, indem nur eine Eingabe des Hauptfensters geändert wird:</translation>
    </message>
    <message>
        <source> (%1 months)</source>
        <translation> (%1 Monate)</translation>
    </message>
</context>
<context>
    <name>GrowthChart</name>
    <message>
        <source>Paid In</source>
        <translation>Eingezahlt</translation>
    </message>
    <message>
        <source>Earned</source>
        <translation>Zinsertrag</translation>
    </message>
</context>
<context>
    <name>GrowthTexts</name>
    <message>
        <source>annually</source>
        <translation>jährlich</translation>
    </message>
    <message>
        <source>biannually</source>
        <translation>halbjährlich</translation>
    </message>
    <message>
        <source>quarterly</source>
        <translation>vierteljährlich</translation>
    </message>
    <message>
        <source>monthly</source>
        <translation>monatlich</translation>
    </message>
    <message>
        <source>daily</source>
        <translation>täglich</translation>
    </message>
    <message>
        <source>1 month</source>
        <translation>1 Monat</translation>
    </message>
    <message>
        <source>%1 months</source>
        <translation>%1 Monate</translation>
    </message>
    <message>
        <source>%1 a month at %2% a year, compounded %3, from %4 to %5 (%6), with an initial balance of %7</source>
        <translation>%1 im Monat zu %2 % im Jahr, %3 verzinst, von %4 bis %5 (%6), mit einem Anfangskapital von %7</translation>
    </message>
    <message>
        <source>No growth to show: the term is %1 months. Choose a last month after the first.</source>
        <translation>Kein Wachstum darzustellen: Die Laufzeit beträgt %1 Monate. Wählen Sie einen letzten Monat nach dem ersten.</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Monate</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Paid In</source>
        <translation>Eingezahlt</translation>
    </message>
    <message>
        <source>Earned</source>
        <translation>Zinsertrag</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Kontostand</translation>
    </message>
</context>
<context>
    <name>GrowthWindow</name>
    <message>
        <source>Growth - %1</source>
        <translation>Wachstum - %1</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Speichern unter...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Point at a bar, or pick a row of the table, to read its figures.</source>
        <translation>Zeigen Sie auf einen Balken oder wählen Sie eine Tabellenzeile, um ihre Zahlen zu lesen.</translation>
    </message>
    <message>
        <source>%1, after %2 months: paid in %3 + earned %4 = balance %5</source>
        <translation>%1, nach %2 Monaten: eingezahlt %3 + Zinsertrag %4 = Kontostand %5</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The table could not be saved to %1:<byte value="xd"/>
%2</source>
        <translation>Die Tabelle konnte nicht in %1 gespeichert werden:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Growth year by year</source>
        <translation>Wachstum Jahr für Jahr</translation>
    </message>
</context>
<context>
    <name>HelpFile</name>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>Die Datei kann nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Die Datei existiert nicht.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>The file has no elements.</source>
        <translation>Die Datei enthält keine Elemente.</translation>
    </message>
    <message>
        <source>This is not a help file.</source>
        <translation>Dies ist keine Hilfedatei.</translation>
    </message>
    <message>
        <source>A topic has no id.</source>
        <translation>Ein Thema hat keine Kennung.</translation>
    </message>
    <message>
        <source>The topic id &quot;%1&quot; is used twice.</source>
        <translation>Die Themenkennung &quot;%1&quot; kommt doppelt vor.</translation>
    </message>
    <message>
        <source>The file has no topics.</source>
        <translation>Die Datei enthält keine Themen.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>&lt;h2&gt;How to Use Help&lt;/h2&gt;&lt;p&gt;Click an underlined link to go to that topic. &lt;b&gt;Back&lt;/b&gt; and &lt;b&gt;Forward&lt;/b&gt; move through the topics you have seen; &lt;b&gt;Contents&lt;/b&gt; returns to the list of topics.&lt;/p&gt;&lt;p&gt;To look for a subject, click &lt;b&gt;Index&lt;/b&gt;, type the first few letters of the word you are looking for, and press Enter or click &lt;b&gt;Display&lt;/b&gt;.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Verwendung der Hilfe&lt;/h2&gt;&lt;p&gt;Klicken Sie auf einen unterstrichenen Verweis, um zu diesem Thema zu wechseln. &lt;b&gt;Zurück&lt;/b&gt; und &lt;b&gt;Vorwärts&lt;/b&gt; blättern durch die bereits angezeigten Themen; &lt;b&gt;Inhalt&lt;/b&gt; kehrt zur Themenliste zurück.&lt;/p&gt;&lt;p&gt;Um ein Stichwort zu suchen, klicken Sie auf &lt;b&gt;Index&lt;/b&gt;, geben Sie die ersten Buchstaben des gesuchten Wortes ein und drücken Sie die Eingabetaste oder klicken Sie auf &lt;b&gt;Anzeigen&lt;/b&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>The topic &quot;%1&quot; is not in the help file.</source>
        <translation>Das Thema &quot;%1&quot; ist nicht in der Hilfedatei enthalten.</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>Inde&amp;x</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation>&amp;Anzeigen</translation>
    </message>
    <message>
        <source>&amp;Type the first few letters of the word you are looking for:</source>
        <translation>&amp;Geben Sie die ersten Buchstaben des gesuchten Wortes ein:</translation>
    </message>
    <message>
        <source>Click the index entry you want, and then click Display:</source>
        <translation>Klicken Sie auf den gewünschten Indexeintrag und dann auf Anzeigen:</translation>
    </message>
    <message>
        <source>%1 Help</source>
        <translation>%1-Hilfe</translation>
    </message>
    <message>
        <source>Cannot open the help file %1.</source>
        <translation>Die Hilfedatei %1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Index entries</source>
        <translation>Indexeinträge</translation>
    </message>
    <message>
        <source>Help topic</source>
        <translation>Hilfethema</translation>
    </message>
</context>
<context>
    <name>InputPanel</name>
    <message>
        <source>Initial Balance</source>
        <translation>Anfangskapital</translation>
    </message>
    <message>
        <source> Enter the starting balance of your investment</source>
        <translation> Geben Sie das Anfangskapital Ihrer Geldanlage ein</translation>
    </message>
    <message>
        <source>Monthly Savings</source>
        <translation>Sparrate</translation>
    </message>
    <message>
        <source> Enter the amount saved each month</source>
        <translation> Geben Sie den Betrag ein, den Sie jeden Monat sparen</translation>
    </message>
    <message>
        <source>Term in Months</source>
        <translation>Laufzeit (Mon.)</translation>
    </message>
    <message>
        <source>Displays term in months</source>
        <translation>Zeigt die Laufzeit in Monaten</translation>
    </message>
    <message>
        <source>First Month</source>
        <translation>Erster Monat</translation>
    </message>
    <message>
        <source>Choose the beginning month</source>
        <translation>Wählen Sie den Anfangsmonat</translation>
    </message>
    <message>
        <source>Enter the initial year</source>
        <translation>Geben Sie das Anfangsjahr ein</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>Letzter Monat</translation>
    </message>
    <message>
        <source>Choose the last month</source>
        <translation>Wählen Sie den letzten Monat</translation>
    </message>
    <message>
        <source>Enter the final year</source>
        <translation>Geben Sie das Endjahr ein</translation>
    </message>
    <message>
        <source>% Annual Increase</source>
        <translation>% jährl. Erhöhung</translation>
    </message>
    <message>
        <source>Compounded</source>
        <translation>Verzinsung</translation>
    </message>
    <message>
        <source>Choose the compounding frequency</source>
        <translation>Wählen Sie das Verzinsungsintervall</translation>
    </message>
    <message>
        <source>Interest Rate</source>
        <translation>Zinssatz</translation>
    </message>
    <message>
        <source> Enter the interest rate</source>
        <translation> Geben Sie den Zinssatz ein</translation>
    </message>
    <message>
        <source>Increment Monthly Savings By:</source>
        <translation>Sparrate erhöhen um:</translation>
    </message>
    <message>
        <source>Increment Interest Rates By:</source>
        <translation>Zinssatz erhöhen um:</translation>
    </message>
    <message>
        <source>First Year</source>
        <translation>Erstes Jahr</translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation>Letztes Jahr</translation>
    </message>
</context>
<context>
    <name>InstanceLock</name>
    <message>
        <source>no private runtime folder</source>
        <translation>kein privater Laufzeitordner</translation>
    </message>
    <message>
        <source>%1 is no private runtime folder</source>
        <translation>%1 ist kein privater Laufzeitordner</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>Zu&amp;rücksetzen</translation>
    </message>
    <message>
        <source>&amp;Goal...</source>
        <translation>&amp;Ziel...</translation>
    </message>
    <message>
        <source>Prin&amp;t Setup...</source>
        <translation>Drucker&amp;einrichtung...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Brindlecrest Online</source>
        <translation>&amp;Brindlecrest Online</translation>
    </message>
    <message>
        <source> - Online Calculators ...</source>
        <translation> - Online-Rechner ...</translation>
    </message>
    <message>
        <source>&amp;Brindlecrest on the Web</source>
        <translation>&amp;Brindlecrest im Web</translation>
    </message>
    <message>
        <source>&amp;Home Page</source>
        <translation>&amp;Startseite</translation>
    </message>
    <message>
        <source>Freeware Page</source>
        <translation>Freeware-Seite</translation>
    </message>
    <message>
        <source>&amp;Suggestion Box</source>
        <translation>&amp;Vorschlagsbox</translation>
    </message>
    <message>
        <source>Contact Brindlecrest by &amp;Email</source>
        <translation>Brindlecrest per &amp;E-Mail kontaktieren</translation>
    </message>
    <message>
        <source>&amp;Send Suggestions</source>
        <translation>&amp;Vorschläge senden</translation>
    </message>
    <message>
        <source>Contact &amp;Tech Support</source>
        <translation>&amp;Technischen Support kontaktieren</translation>
    </message>
    <message>
        <source>&amp;Download Evaluation Software</source>
        <translation>Testversionen &amp;herunterladen</translation>
    </message>
    <message>
        <source>Check for &amp;Updated Version ...</source>
        <translation>Nach &amp;neuer Version suchen ...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Search for Help On...</source>
        <translation>&amp;Suche nach Hilfe zu...</translation>
    </message>
    <message>
        <source>&amp;How to Use Help</source>
        <translation>&amp;Verwendung der Hilfe</translation>
    </message>
    <message>
        <source>Contact Tech Support by &amp;Email</source>
        <translation>Technischen Support per &amp;E-Mail</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Über...</translation>
    </message>
    <message>
        <source>Print &amp;Setup ...</source>
        <translation>Drucker&amp;einrichtung ...</translation>
    </message>
    <message>
        <source>&amp;Growth...</source>
        <translation>&amp;Wachstum...</translation>
    </message>
    <message>
        <source>G&amp;oal...</source>
        <translation>&amp;Ziel...</translation>
    </message>
    <message>
        <source>&amp;Disclaimer...</source>
        <translation>&amp;Haftungsausschluss...</translation>
    </message>
</context>
<context>
    <name>PrinterRow</name>
    <message>
        <source>Printer</source>
        <translation>Drucker</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>Cannot read the settings file %1: %2</source>
        <translation>Die Einstellungsdatei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot write the settings file %1: %2</source>
        <translation>Die Einstellungsdatei %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>it is larger than %1 KiB</source>
        <translation>sie ist größer als %1 KiB</translation>
    </message>
    <message>
        <source>the settings would be larger than %1 KiB</source>
        <translation>die Einstellungen wären größer als %1 KiB</translation>
    </message>
    <message>
        <source>invalid section or key name &quot;%1&quot;, &quot;%2&quot;</source>
        <translation>ungültiger Abschnitts- oder Schlüsselname &quot;%1&quot;, &quot;%2&quot;</translation>
    </message>
</context>
<context>
    <name>ReportFeature</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>ReportPdf</name>
    <message>
        <source>the report has no page to write</source>
        <translation>der Bericht hat keine Seite zum Schreiben</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>ReportStream</name>
    <message>
        <source>Unsupported FRF format</source>
        <translation>Nicht unterstütztes FRF-Format</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>it is larger than %1 KiB</source>
        <translation>sie ist größer als %1 KiB</translation>
    </message>
    <message>
        <source>the reader stopped taking data</source>
        <translation>der Leser hat aufgehört, Daten anzunehmen</translation>
    </message>
    <message>
        <source>no program is reading from the pipe</source>
        <translation>kein Programm liest aus der Pipe</translation>
    </message>
    <message>
        <source>the file&apos;s owner cannot be kept (%1)</source>
        <translation>der Eigentümer der Datei kann nicht beibehalten werden (%1)</translation>
    </message>
</context>
<context>
    <name>Schedule</name>
    <message>
        <source> Savings/Rate</source>
        <translation> Sparrate/Zins</translation>
    </message>
</context>
<context>
    <name>ScheduleReport</name>
    <message>
        <source>Monthly Savings incremented by </source>
        <translation>Sparrate erhöht um </translation>
    </message>
    <message>
        <source>Interest Rates incremented by </source>
        <translation>Zinssätze erhöht um </translation>
    </message>
    <message>
        <source> months</source>
        <translation> Monate</translation>
    </message>
    <message>
        <source>%1 Schedule</source>
        <translation>%1-Spartabelle</translation>
    </message>
</context>
<context>
    <name>ScheduleTemplate</name>
    <message>
        <source>NOTE:  Though effort was made to ensure the accuracy of these calculations, there is  NO WARRANTY,  expressed or implied, for the accuracy or applicability of this information to your particular financial question.  Please consult your own financial advisor before making any financial decision based upon these results.</source>
        <translation>HINWEIS:  Obwohl diese Berechnungen mit Sorgfalt erstellt wurden, gibt es  KEINE GEWÄHR,  weder ausdrücklich noch stillschweigend, für die Richtigkeit oder die Eignung dieser Angaben für Ihre persönliche finanzielle Frage.  Bitte ziehen Sie Ihren eigenen Finanzberater zu Rate, bevor Sie auf Grundlage dieser Ergebnisse eine finanzielle Entscheidung treffen.</translation>
    </message>
    <message>
        <source>Initial Balance:</source>
        <translation>Anfangskapital:</translation>
    </message>
    <message>
        <source>Monthly Savings:</source>
        <translation>Sparrate:</translation>
    </message>
    <message>
        <source>Term:</source>
        <translation>Laufzeit:</translation>
    </message>
    <message>
        <source>Interest Rate:</source>
        <translation>Zinssatz:</translation>
    </message>
    <message>
        <source>Compounding Frequency:</source>
        <translation>Verzinsungsintervall:</translation>
    </message>
    <message>
        <source>Future Value:</source>
        <translation>Endwert:</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>Brindlecrest Software, LLC creates award-winning financial calculators for consumers, professionals and companies in the banking, real estate, investment, mortgage and financial services industries.</source>
        <translation>Brindlecrest Software, LLC entwickelt preisgekrönte Finanzrechner für Privatkunden, Fachleute und Unternehmen aus Bank-, Immobilien-, Anlage-, Kredit- und Finanzbranche.</translation>
    </message>
    <message>
        <source>About ...</source>
        <translation>Über ...</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Compile Date:</source>
        <translation>Erstellt am:</translation>
    </message>
    <message>
        <source> Click to visit Brindlecrest&apos; website ...</source>
        <translation> Klicken Sie, um die Website von Brindlecrest zu besuchen ...</translation>
    </message>
    <message>
        <source>Close About Window</source>
        <translation>Info-Fenster schließen</translation>
    </message>
    <message>
        <source> About %1, %2</source>
        <translation> Über %1, %2</translation>
    </message>
</context>
<context>
    <name>THttpCli</name>
    <message>
        <source>can&apos;t resolve hostname to IP address</source>
        <translation>der Hostname lässt sich nicht in eine IP-Adresse auflösen</translation>
    </message>
    <message>
        <source>%1 (Error #%2)</source>
        <translation>%1 (Fehler Nr. %2)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an http or https address</source>
        <translation>&quot;%1&quot; ist keine http- oder https-Adresse</translation>
    </message>
    <message>
        <source>%1 was refused: plain http is used only on this machine, other servers must be reached over https</source>
        <translation>%1 wurde abgelehnt: unverschlüsseltes http gilt nur auf diesem Rechner, andere Server müssen über https erreicht werden</translation>
    </message>
    <message>
        <source>HTTP component is busy</source>
        <translation>Die HTTP-Komponente ist beschäftigt</translation>
    </message>
    <message>
        <source>too many relocations (more than %1)</source>
        <translation>zu viele Weiterleitungen (mehr als %1)</translation>
    </message>
    <message>
        <source>%1 sends the request on to &quot;%2&quot;, which was refused: only http and https addresses are followed</source>
        <translation>%1 leitet die Anfrage an &quot;%2&quot; weiter; das wurde abgelehnt: nur http- und https-Adressen werden verfolgt</translation>
    </message>
    <message>
        <source>it leaves https for plain http</source>
        <translation>sie wechselt von https zu unverschlüsseltem http</translation>
    </message>
    <message>
        <source>%1 sends the request on to %2, which was refused: %3</source>
        <translation>%1 leitet die Anfrage an %2 weiter; das wurde abgelehnt: %3</translation>
    </message>
    <message>
        <source>Connection aborted on request</source>
        <translation>Verbindung auf Wunsch abgebrochen</translation>
    </message>
    <message>
        <source>the answer from %1 comes packed (&quot;%2&quot;) although it was asked for as it is</source>
        <translation>die Antwort von %1 kommt gepackt (&quot;%2&quot;), obwohl sie ungepackt angefordert wurde</translation>
    </message>
    <message>
        <source>response larger than %1 bytes</source>
        <translation>Antwort größer als %1 Bytes</translation>
    </message>
    <message>
        <source>can&apos;t write the received data: %1</source>
        <translation>die empfangenen Daten lassen sich nicht schreiben: %1</translation>
    </message>
    <message>
        <source>%1 after %2 of the %3 bytes announced</source>
        <translation>%1 nach %2 von %3 angekündigten Bytes</translation>
    </message>
    <message>
        <source>can&apos;t connect: </source>
        <translation>keine Verbindung möglich: </translation>
    </message>
    <message>
        <source>transfer too slow: less than %1 bytes a second for %2 seconds</source>
        <translation>Übertragung zu langsam: weniger als %1 Bytes pro Sekunde über %2 Sekunden</translation>
    </message>
</context>
<context>
    <name>TPrinterSetupDialog</name>
    <message>
        <source>Print Setup</source>
        <translation>Druckereinrichtung</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Eigenschaften</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>P&amp;ortrait</source>
        <translation>&amp;Hochformat</translation>
    </message>
    <message>
        <source>L&amp;andscape</source>
        <translation>&amp;Querformat</translation>
    </message>
    <message>
        <source>The report is laid out on %1 paper in %2 orientation and always prints that way.</source>
        <translation>Der Bericht ist für Papier im Format %1 im %2 angelegt und wird immer so gedruckt.</translation>
    </message>
    <message>
        <source>landscape</source>
        <translation>Querformat</translation>
    </message>
    <message>
        <source>portrait</source>
        <translation>Hochformat</translation>
    </message>
</context>
<context>
    <name>TSplashScreen</name>
    <message>
        <source>.
All rights reserved.</source>
        <translation>.
Alle Rechte vorbehalten.</translation>
    </message>
</context>
<context>
    <name>TWaitWindow</name>
    <message>
        <source>Please Wait</source>
        <translation>Bitte warten</translation>
    </message>
</context>
<context>
    <name>TWebDlProgress</name>
    <message>
        <source>Download Progress</source>
        <translation>Download-Fortschritt</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>%1 of %2 bytes received.</source>
        <translation>%1 von %2 Bytes empfangen.</translation>
    </message>
</context>
<context>
    <name>TWebFileInfo</name>
    <message>
        <source>Read Me</source>
        <translation>Liesmich</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Missing Home URL</source>
        <translation>Startadresse fehlt</translation>
    </message>
    <message>
        <source>Can not retrieve version information<byte value="xd"/>because no home url was provided.</source>
        <translation>Versionsinformationen können nicht abgerufen werden,<byte value="xd"/>da keine Startadresse angegeben wurde.</translation>
    </message>
    <message>
        <source>Missing Tag Information</source>
        <translation>Tag-Angaben fehlen</translation>
    </message>
    <message>
        <source>Can not retrieve version information<byte value="xd"/>because no tag information was provided.</source>
        <translation>Versionsinformationen können nicht abgerufen werden,<byte value="xd"/>da keine Tag-Angaben gemacht wurden.</translation>
    </message>
    <message>
        <source>Checking For Update...</source>
        <translation>Suche nach Aktualisierung...</translation>
    </message>
    <message>
        <source>The update information could not be fetched from %1:<byte value="xd"/>%2.</source>
        <translation>Die Aktualisierungsinformationen konnten nicht von %1 abgerufen werden:<byte value="xd"/>%2.</translation>
    </message>
    <message>
        <source>the information page at %1 is UTF-16 text; it must be ASCII or UTF-8 to be read</source>
        <translation>die Informationsseite unter %1 ist UTF-16-Text; lesbar ist nur ASCII oder UTF-8</translation>
    </message>
    <message>
        <source>the information page redirects more than %1 times</source>
        <translation>die Informationsseite leitet mehr als %1-mal weiter</translation>
    </message>
    <message>
        <source>Exception</source>
        <translation>Ausnahme</translation>
    </message>
    <message>
        <source>Error retrieving update information.<byte value="xd"/>Exception: %1.</source>
        <translation>Fehler beim Abrufen der Aktualisierungsinformationen.<byte value="xd"/>Ausnahme: %1.</translation>
    </message>
    <message>
        <source>Application (*.EXE);;Zipped File (*.ZIP);;All Files (*.*)</source>
        <translation>Anwendung (*.EXE);;ZIP-Datei (*.ZIP);;Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Current version is %1.<byte value="xd"/>Version %2 is available.<byte value="xd"/></source>
        <translation>Die aktuelle Version ist %1.<byte value="xd"/>Version %2 ist verfügbar.<byte value="xd"/></translation>
    </message>
    <message>
        <source><byte value="xd"/>Error unknown.</source>
        <translation><byte value="xd"/>Unbekannter Fehler.</translation>
    </message>
    <message>
        <source><byte value="xd"/>Error: &quot;%1.&quot;</source>
        <translation><byte value="xd"/>Fehler: &quot;%1.&quot;</translation>
    </message>
    <message>
        <source>can&apos;t write </source>
        <translation>kann nicht schreiben: </translation>
    </message>
    <message>
        <source>can&apos;t write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the download at %1 is larger than the %2 bytes the information page gives</source>
        <translation>der Download unter %1 ist größer als die %2 Bytes, die die Informationsseite angibt</translation>
    </message>
    <message>
        <source>the download at %1 is larger than %2 bytes, the most an update may be</source>
        <translation>der Download unter %1 ist größer als %2 Bytes, das Höchstmaß für eine Aktualisierung</translation>
    </message>
    <message>
        <source>the download at %1 has %2 bytes, not the %3 bytes the information page gives</source>
        <translation>der Download unter %1 hat %2 Bytes, nicht die %3 Bytes, die die Informationsseite angibt</translation>
    </message>
    <message>
        <source>the download was damaged or altered on its way (its SHA-256 checksum does not match)</source>
        <translation>der Download wurde unterwegs beschädigt oder verändert (seine SHA-256-Prüfsumme stimmt nicht)</translation>
    </message>
    <message>
        <source>the download address names no file</source>
        <translation>die Download-Adresse nennt keine Datei</translation>
    </message>
    <message>
        <source>Downloading Update</source>
        <translation>Aktualisierung wird heruntergeladen</translation>
    </message>
    <message>
        <source>Retrieving ReadMe...</source>
        <translation>Liesmich wird abgerufen...</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes, the most a read-me may be</source>
        <translation>sie ist größer als %1 Bytes, das Höchstmaß für eine Liesmich-Datei</translation>
    </message>
    <message>
        <source>Update Available</source>
        <translation>Aktualisierung verfügbar</translation>
    </message>
    <message>
        <source>Would you like to view the ReadMe file?</source>
        <translation>Möchten Sie die Liesmich-Datei ansehen?</translation>
    </message>
    <message>
        <source>The read-me at %1 could not be shown.</source>
        <translation>Die Liesmich-Datei unter %1 konnte nicht angezeigt werden.</translation>
    </message>
    <message>
        <source>Connection Error</source>
        <translation>Verbindungsfehler</translation>
    </message>
    <message>
        <source>Could not retrieve version information from the Internet.</source>
        <translation>Die Versionsinformationen konnten nicht aus dem Internet abgerufen werden.</translation>
    </message>
    <message>
        <source>No Update Found</source>
        <translation>Keine Aktualisierung gefunden</translation>
    </message>
    <message>
        <source>There is no update available.</source>
        <translation>Es ist keine Aktualisierung verfügbar.</translation>
    </message>
    <message>
        <source>Download the update?</source>
        <translation>Die Aktualisierung herunterladen?</translation>
    </message>
    <message>
        <source>Download Error</source>
        <translation>Download-Fehler</translation>
    </message>
    <message>
        <source>Error occurred while downloading update.</source>
        <translation>Beim Herunterladen der Aktualisierung ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>Do you want to install the update now?</source>
        <translation>Möchten Sie die Aktualisierung jetzt installieren?</translation>
    </message>
    <message>
        <source><byte value="xd"/>This will close %1.</source>
        <translation><byte value="xd"/>Dabei wird %1 geschlossen.</translation>
    </message>
    <message>
        <source>Install Update</source>
        <translation>Aktualisierung installieren</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Can not start program.</source>
        <translation>Das Programm kann nicht gestartet werden.</translation>
    </message>
</context>
<context>
    <name>TfrPreviewForm</name>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Preview - </source>
        <translation>Vorschau - </translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Vorherige Seite</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Nächste Seite</translation>
    </message>
    <message>
        <source>Zoom View of Page</source>
        <translation>Seitenansicht vergrößern</translation>
    </message>
    <message>
        <source>Page width</source>
        <translation>Seitenbreite</translation>
    </message>
    <message>
        <source>Whole page</source>
        <translation>Ganze Seite</translation>
    </message>
    <message>
        <source>Two pages</source>
        <translation>Zwei Seiten</translation>
    </message>
    <message>
        <source>Open ...</source>
        <translation>Öffnen ...</translation>
    </message>
    <message>
        <source>Save This Report ...</source>
        <translation>Diesen Bericht speichern ...</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Print This Report ...</source>
        <translation>Diesen Bericht drucken ...</translation>
    </message>
    <message>
        <source>Page Setup ...</source>
        <translation>Seite einrichten ...</translation>
    </message>
    <message>
        <source>Find ...</source>
        <translation>Suchen ...</translation>
    </message>
    <message>
        <source>Display Help ...</source>
        <translation>Hilfe anzeigen ...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Exit Preview ...</source>
        <translation>Vorschau beenden ...</translation>
    </message>
    <message>
        <source>Page %1/%2</source>
        <translation>Seite %1/%2</translation>
    </message>
    <message>
        <source>there is no page to print</source>
        <translation>es gibt keine Seite zum Drucken</translation>
    </message>
    <message>
        <source>The report could not be printed on %1.</source>
        <translation>Der Bericht konnte nicht auf %1 gedruckt werden.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>TfrPrintDialog</name>
    <message>
        <source>Enter page numbers and/or page ranges, separated by commas. For example, 1,3,5-12</source>
        <translation>Geben Sie Seitenzahlen und/oder Seitenbereiche durch Kommas getrennt ein, zum Beispiel 1,3,5-12</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Page range</source>
        <translation>Seitenbereich</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Alle</translation>
    </message>
    <message>
        <source>Current pa&amp;ge</source>
        <translation>Aktuelle &amp;Seite</translation>
    </message>
    <message>
        <source>&amp;Pages:</source>
        <translation>Sei&amp;ten:</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Exemplare</translation>
    </message>
    <message>
        <source>Co&amp;llate</source>
        <translation>So&amp;rtieren</translation>
    </message>
    <message>
        <source>Number of &amp;copies:</source>
        <translation>Anzahl der &amp;Exemplare:</translation>
    </message>
    <message>
        <source>P&amp;rint</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>All pages</source>
        <translation>Alle Seiten</translation>
    </message>
    <message>
        <source>Odd pages</source>
        <translation>Ungerade Seiten</translation>
    </message>
    <message>
        <source>Even pages</source>
        <translation>Gerade Seiten</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The pages chosen hold no page of the report. The report has %1 %2.</source>
        <translation>Die gewählten Seiten enthalten keine Seite des Berichts. Der Bericht hat %1 %2.</translation>
    </message>
    <message>
        <source>page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>Der gewählte Drucker ist ungültig</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>Print to PDF</source>
        <translation>Als PDF drucken</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
</context>
<context>
    <name>TfrmDisclaim</name>
    <message>
        <source>Disclaimer</source>
        <translation>Haftungsausschluss</translation>
    </message>
    <message>
        <source>Though effort was made to ensure the accuracy of these calculations,</source>
        <translation>Obwohl diese Berechnungen mit Sorgfalt erstellt wurden,</translation>
    </message>
    <message>
        <source>NOTE:</source>
        <translation>NB:</translation>
    </message>
    <message>
        <source>there is  NO WARRANTY,  expressed or implied, for the accuracy or applicability of this information to your particular financial question.</source>
        <translation>gibt es  KEINE GEWÄHR,  weder ausdrücklich noch implizit, für die Richtigkeit oder Eignung dieser Angaben für Ihre finanzielle Frage.</translation>
    </message>
    <message>
        <source>Please consult your own financial advisor before making any financial decision.</source>
        <translation>Bitte fragen Sie vor jeder finanziellen Entscheidung Ihren Finanzberater.</translation>
    </message>
    <message>
        <source>Close Disclaimer window.</source>
        <translation>Fenster Haftungsausschluss schließen.</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source> Welcome to %1 by %2!</source>
        <translation> Willkommen bei %1 von %2!</translation>
    </message>
    <message>
        <source> A second copy of %1 could start (%2).</source>
        <translation> Eine zweite Kopie von %1 könnte starten (%2).</translation>
    </message>
    <message>
        <source>This copy of %1 was installed from your system&apos;s packages. Newer versions come through its package manager (apt).</source>
        <translation>Diese Kopie von %1 wurde aus den Paketen Ihres Systems installiert. Neuere Versionen kommen über dessen Paketverwaltung (apt).</translation>
    </message>
    <message>
        <source>Future values by monthly savings and interest rate</source>
        <translation>Endwerte nach Sparrate und Zinssatz</translation>
    </message>
    <message>
        <source> %1 a month at %2: %3</source>
        <translation> %1 im Monat zu %2: %3</translation>
    </message>
</context>
<context>
    <name>TfrmUpdate</name>
    <message>
        <source>%1&apos;s Update Wizard</source>
        <translation>Aktualisierungsassistent von %1</translation>
    </message>
    <message>
        <source>Current Application</source>
        <translation>Aktuelle Anwendung</translation>
    </message>
    <message>
        <source>Application Name:</source>
        <translation>Anwendung:</translation>
    </message>
    <message>
        <source>Developer:</source>
        <translation>Hersteller:</translation>
    </message>
    <message>
        <source>Your Current Version:</source>
        <translation>Ihre Version:</translation>
    </message>
    <message>
        <source> Current Version</source>
        <translation> Aktuelle Version</translation>
    </message>
    <message>
        <source>Current Compile Date:</source>
        <translation>Erstellt am:</translation>
    </message>
    <message>
        <source> Current Compile Date</source>
        <translation> Erstellungsdatum</translation>
    </message>
    <message>
        <source>Online Information:</source>
        <translation>Online-Angaben:</translation>
    </message>
    <message>
        <source>Status Unknown</source>
        <translation>Status unbekannt</translation>
    </message>
    <message>
        <source>Download URL:</source>
        <translation>Download-Adresse:</translation>
    </message>
    <message>
        <source>Update Status:  Unknown</source>
        <translation>Status:  unbekannt</translation>
    </message>
    <message>
        <source>Newest Version on Server:</source>
        <translation>Neueste Version:</translation>
    </message>
    <message>
        <source>New Version Compile Date:</source>
        <translation>Erstellt am:</translation>
    </message>
    <message>
        <source>Check for &amp;Update</source>
        <translation>Nach &amp;Aktualisierung suchen</translation>
    </message>
    <message>
        <source> Check for Update ...</source>
        <translation> Nach Aktualisierung suchen ...</translation>
    </message>
    <message>
        <source> &amp;Retrieve Update</source>
        <translation> &amp;Herunterladen</translation>
    </message>
    <message>
        <source> Retrieve Update ...</source>
        <translation> Aktualisierung herunterladen ...</translation>
    </message>
    <message>
        <source> &amp;Close Update Wizard</source>
        <translation> Assistent &amp;schließen</translation>
    </message>
    <message>
        <source>Close Update Center</source>
        <translation>Aktualisierungsassistent schließen</translation>
    </message>
    <message>
        <source>Get Info failed due to:<byte value="xd"/>
</source>
        <translation>Abruf fehlgeschlagen wegen:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Update Information</source>
        <translation>Aktualisierungsinformationen</translation>
    </message>
    <message>
        <source>No Updated Version Available</source>
        <translation>Keine neuere Version verfügbar</translation>
    </message>
</context>
<context>
    <name>ToolBarPanel</name>
    <message>
        <source>Print ...</source>
        <translation>Drucken ...</translation>
    </message>
    <message>
        <source> Printer Setup ...</source>
        <translation> Druckereinrichtung ...</translation>
    </message>
    <message>
        <source>Reset Default Values ...</source>
        <translation>Standardwerte wiederherstellen ...</translation>
    </message>
    <message>
        <source> Disclaimer ...</source>
        <translation> Haftungsausschluss ...</translation>
    </message>
    <message>
        <source> Check for Updated Version ...</source>
        <translation> Nach neuer Version suchen ...</translation>
    </message>
    <message>
        <source> Help ...</source>
        <translation> Hilfe ...</translation>
    </message>
    <message>
        <source>Close %1</source>
        <translation>%1 schließen</translation>
    </message>
</context>
<context>
    <name>Tooltip</name>
    <message>
        <source>Total Invested: </source>
        <translation>Eingezahlt gesamt: </translation>
    </message>
    <message>
        <source><byte value="xd"/>
Total Earned: </source>
        <translation><byte value="xd"/>
Zinsertrag gesamt: </translation>
    </message>
</context>
<context>
    <name>UpdateInfo</name>
    <message>
        <source>&apos;%1&apos; is not a valid date</source>
        <translation>&apos;%1&apos; ist kein gültiges Datum</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Usage: tallowmere [--help | --version]

The savings calculator window: a what-if table of 11 savings amounts by 7
interest rates. Other arguments are ignored. tallowmere-cli calculates the
same schedule without a window.

  -h, --help     show this help and exit
  -V, --version  show the version and exit
</source>
        <translation>Aufruf: tallowmere [--help | --version]

Das Fenster des Sparrechners: eine Was-wäre-wenn-Tabelle mit 11 Sparbeträgen
mal 7 Zinssätzen. Andere Argumente werden ignoriert. tallowmere-cli berechnet
dieselbe Tabelle ohne Fenster.

  -h, --help     diese Hilfe anzeigen und beenden
  -V, --version  die Version anzeigen und beenden
</translation>
    </message>
    <message>
        <source>tallowmere: cannot write the output
</source>
        <translation>tallowmere: die Ausgabe kann nicht geschrieben werden
</translation>
    </message>
    <message>
        <source>cannot write the output: %1</source>
        <translation>die Ausgabe kann nicht geschrieben werden: %1</translation>
    </message>
</context>
</TS>
