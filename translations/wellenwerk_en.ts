<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>Wellenwerk</name>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Neues Projekt anlegen</source>
        <translation>New project</translation>
    </message>
    <message>
        <source>Projekt laden</source>
        <translation>Open project</translation>
    </message>
    <message>
        <source>Projekt speichern</source>
        <translation>Save project</translation>
    </message>
    <message>
        <source>Neues Signal erzeugen</source>
        <translation>Create a new signal</translation>
    </message>
    <message>
        <source>Signal entfernen</source>
        <translation>Delete signal</translation>
    </message>
    <message>
        <source>Signal bearbeiten</source>
        <translation>Edit signal</translation>
    </message>
    <message>
        <source>Signal kopieren</source>
        <translation>Copy signal</translation>
    </message>
    <message>
        <source>Signal einfügen</source>
        <translation>Paste signal</translation>
    </message>
    <message>
        <source>Tonwiedergabe</source>
        <translation>Play sound</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>&amp;Projekt</source>
        <translation>&amp;Project</translation>
    </message>
    <message>
        <source>&amp;Neu</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Laden</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Speichern &amp;als ...</source>
        <translation>Save &amp;as ...</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Signal</source>
        <translation>&amp;Signal</translation>
    </message>
    <message>
        <source>&amp;Rückgängig</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Wiederholen</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>&amp;Löschen</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>&amp;Kopieren</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Einfügen</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Kon&amp;vertieren</source>
        <translation>Con&amp;vert</translation>
    </message>
    <message>
        <source>E&amp;xportieren</source>
        <translation>E&amp;xport</translation>
    </message>
    <message>
        <source>Spektren</source>
        <translation>Spectra</translation>
    </message>
    <message>
        <source>32 Harmonische</source>
        <translation>32 harmonics</translation>
    </message>
    <message>
        <source>64 Harmonische</source>
        <translation>64 harmonics</translation>
    </message>
    <message>
        <source>128 Harmonische</source>
        <translation>128 harmonics</translation>
    </message>
    <message>
        <source>Liniendiagramm</source>
        <translation>Line diagram</translation>
    </message>
    <message>
        <source>Tabelle</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Sound speichern</source>
        <translation>Save sound</translation>
    </message>
    <message>
        <source>&amp;Einstellungen</source>
        <translation>Se&amp;ttings</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>In&amp;halt</source>
        <translation>&amp;Contents</translation>
    </message>
    <message>
        <source>&amp;Theorie</source>
        <translation>&amp;Theory</translation>
    </message>
    <message>
        <source>&amp;Allgemeines</source>
        <translation>&amp;General</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>Anzeige </source>
        <translation>Display </translation>
    </message>
    <message>
        <source>Skalen </source>
        <translation>Scales </translation>
    </message>
    <message>
        <source>Hintergrund </source>
        <translation>Background </translation>
    </message>
    <message>
        <source>Frequenz </source>
        <translation>Frequency </translation>
    </message>
    <message>
        <source>Sound </source>
        <translation>Sound </translation>
    </message>
    <message>
        <source>Harmonische</source>
        <translation>Harmonics</translation>
    </message>
    <message>
        <source>Spektrum</source>
        <translation>Spectrum</translation>
    </message>
    <message>
        <source>Frequenz</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>Winkel</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Stützstellen im Liniendiagramm</source>
        <translation>Sample points in the line diagram</translation>
    </message>
    <message>
        <source>Hintergrundfarbe</source>
        <translation>Background colour</translation>
    </message>
    <message>
        <source>grau</source>
        <translation>grey</translation>
    </message>
    <message>
        <source>weiß</source>
        <translation>white</translation>
    </message>
    <message>
        <source>schwarz</source>
        <translation>black</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Frequenz fo (Hz)</source>
        <translation>Frequency fo (Hz)</translation>
    </message>
    <message>
        <source>Samplefrequenz</source>
        <translation>Sample rate</translation>
    </message>
    <message>
        <source>11,025 kHz</source>
        <translation>11.025 kHz</translation>
    </message>
    <message>
        <source>22,05 kHz</source>
        <translation>22.05 kHz</translation>
    </message>
    <message>
        <source>44,1 kHz</source>
        <translation>44.1 kHz</translation>
    </message>
    <message>
        <source> - Projekt: </source>
        <translation> - Project: </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Signaleigenschaften</source>
        <translation>Signal properties</translation>
    </message>
    <message>
        <source>Wollen Sie %1 wirklich beenden?</source>
        <translation>Do you really want to quit %1?</translation>
    </message>
    <message>
        <source>Neues Signal</source>
        <translation>New signal</translation>
    </message>
    <message>
        <source>Bildungstyp</source>
        <translation>Kind of signal</translation>
    </message>
    <message>
        <source>Spektallinien </source>
        <translation>Spectral lines </translation>
    </message>
    <message>
        <source>Signalform (Fourieranalyse)</source>
        <translation>Waveform (Fourier analysis)</translation>
    </message>
    <message>
        <source>Formeln (Fourierreihe)</source>
        <translation>Formulas (Fourier series)</translation>
    </message>
    <message>
        <source>Wellenwerk Projekt (*.wwp)</source>
        <translation>Wellenwerk project (*.wwp)</translation>
    </message>
    <message>
        <source>Projekt &quot;%1&quot;wurde verändert. Jetzt speichern?</source>
        <translation>Project &quot;%1&quot; has been changed. Save it now?</translation>
    </message>
    <message>
        <source>Projekt &quot;%1&quot; wurde verändert. Jetzt speichern?</source>
        <translation>Project &quot;%1&quot; has been changed. Save it now?</translation>
    </message>
    <message>
        <source>Wollen Sie das Signal &quot;%1&quot; wirklich entfernen?</source>
        <translation>Do you really want to delete the signal &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Dieses Signal ist durch Signalformeditor und Fourieranalyse entstanden. Eine Konvertierung in Spektrallinien kann nicht mehr rückgängig gemacht werden. Jetzt konvertieren?</source>
        <translation>This signal was made with the waveform editor and Fourier analysis. Converting it into spectral lines cannot be undone. Convert it now?</translation>
    </message>
    <message>
        <source>Dieses Signal ist aus Formeln für Fourierreihen entstanden. Eine Konvertierung in Spektrallinien kann nicht mehr rückgängig gemacht werden. Jetzt konvertieren?</source>
        <translation>This signal was made from formulas for Fourier series. Converting it into spectral lines cannot be undone. Convert it now?</translation>
    </message>
    <message>
        <source>Signale</source>
        <translation>Signals</translation>
    </message>
    <message>
        <source>Winkel/Zeitachse dehnen</source>
        <translation>Stretch angle/time axis</translation>
    </message>
    <message>
        <source>Winkel/Zeitachse stauchen</source>
        <translation>Squeeze angle/time axis</translation>
    </message>
    <message>
        <source>Amplitudenachse dehnen</source>
        <translation>Stretch amplitude axis</translation>
    </message>
    <message>
        <source>Amplitudenachse stauchen</source>
        <translation>Squeeze amplitude axis</translation>
    </message>
    <message>
        <source>Effektivwert:</source>
        <translation>RMS value:</translation>
    </message>
    <message>
        <source>Klirrfaktor:</source>
        <translation>Distortion:</translation>
    </message>
    <message>
        <source>Cosinusspektrum</source>
        <translation>Cosine spectrum</translation>
    </message>
    <message>
        <source>Sinusspektrum</source>
        <translation>Sine spectrum</translation>
    </message>
    <message>
        <source>Betragsspektrum (Sinus)</source>
        <translation>Magnitude spectrum (sine)</translation>
    </message>
    <message>
        <source>Winkelspektrum</source>
        <translation>Phase spectrum</translation>
    </message>
    <message>
        <source>Betragsspektrum (Cosinus)</source>
        <translation>Magnitude spectrum (cosine)</translation>
    </message>
    <message>
        <source>Wert:</source>
        <translation>Value:</translation>
    </message>
    <message>
        <source>Spektrenanzeige umschalten</source>
        <translation>Switch spectrum display</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>sichtbar</source>
        <translation>visible</translation>
    </message>
    <message>
        <source>&amp;Beispiele</source>
        <translation>Exa&amp;mples</translation>
    </message>
    <message>
        <source>Liniendiagramm in Datei speichern ...</source>
        <translation>Save line diagram to file ...</translation>
    </message>
    <message>
        <source>Spektren in Datei speichern</source>
        <translation>Save spectra to file</translation>
    </message>
    <message>
        <source>32 Harmonische ...</source>
        <translation>32 harmonics ...</translation>
    </message>
    <message>
        <source>64 Harmonische ...</source>
        <translation>64 harmonics ...</translation>
    </message>
    <message>
        <source>128 Harmonische ...</source>
        <translation>128 harmonics ...</translation>
    </message>
    <message>
        <source>Tabelle in Datei speichern ...</source>
        <translation>Save table to file ...</translation>
    </message>
    <message>
        <source>&amp;Einstellungen ...</source>
        <translation>&amp;Settings ...</translation>
    </message>
    <message>
        <source>&amp;Ansicht</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Größer</source>
        <translation>&amp;Larger</translation>
    </message>
    <message>
        <source>&amp;Kleiner</source>
        <translation>&amp;Smaller</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; ist bereits vorhanden. Wollen Sie sie ersetzen?</source>
        <translation>The file &quot;%1&quot; already exists. Do you want to replace it?</translation>
    </message>
    <message>
        <source>Liniendiagramm speichern</source>
        <translation>Save line diagram</translation>
    </message>
    <message>
        <source>Liniendiagramm.svg</source>
        <translation>Line diagram.svg</translation>
    </message>
    <message>
        <source>Spektren speichern</source>
        <translation>Save spectra</translation>
    </message>
    <message>
        <source>Spektren.svg</source>
        <translation>Spectra.svg</translation>
    </message>
    <message>
        <source>Tabelle speichern</source>
        <translation>Save table</translation>
    </message>
    <message>
        <source>Tabelle.csv</source>
        <translation>Table.csv</translation>
    </message>
    <message>
        <source>Fourier-Synthese und Fourier-Analyse</source>
        <translation>Fourier synthesis and Fourier analysis</translation>
    </message>
    <message>
        <source>Nutzungsbedingungen: Wellenwerk ist freie Software. Sie dürfen das Programm nach den Bedingungen der GNU General Public License, Version 3 oder jeder späteren Version, verwenden, weitergeben und verändern. Es wird ohne jede Gewährleistung verbreitet; Einzelheiten nennt die Lizenz: https://www.gnu.org/licenses/gpl-3.0.html</source>
        <translation>Terms of use: Wellenwerk is free software. You may use, share and change it under the terms of the GNU General Public License, version 3 or any later version. It comes without any warranty; the licence gives the details: https://www.gnu.org/licenses/gpl-3.0.html</translation>
    </message>
    <message>
        <source>SVG-Grafik (*.svg);;PNG-Bild (*.png)</source>
        <translation>SVG drawing (*.svg);;PNG image (*.png)</translation>
    </message>
    <message>
        <source>CSV-Tabelle (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
    <message>
        <source>Liniendiagramm in Datei gespeichert!</source>
        <translation>Line diagram saved to file!</translation>
    </message>
    <message>
        <source>Spektren in Datei gespeichert!</source>
        <translation>Spectra saved to file!</translation>
    </message>
    <message>
        <source>Tabelle in Datei gespeichert!</source>
        <translation>Table saved to file!</translation>
    </message>
    <message>
        <source>Wellenwerk – Hilfe</source>
        <translation>Wellenwerk – Help</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Bestätigung</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>Stützstellen</source>
        <translation>Sample points</translation>
    </message>
    <message>
        <source>Kurvenform</source>
        <translation>Waveform</translation>
    </message>
    <message>
        <source>Faktor:</source>
        <translation>Factor:</translation>
    </message>
    <message>
        <source>Amplitude multiplizieren</source>
        <translation>Multiply amplitudes</translation>
    </message>
    <message>
        <source>Konstanten</source>
        <translation>Constants</translation>
    </message>
    <message>
        <source>Reihenglieder</source>
        <translation>Terms of the series</translation>
    </message>
    <message>
        <source>Bildungsgesetze</source>
        <translation>Formulas</translation>
    </message>
    <message>
        <source>Projekt speichern als ...</source>
        <translation>Save sound as ...</translation>
    </message>
    <message>
        <source>Dateiname:</source>
        <translation>File name:</translation>
    </message>
    <message>
        <source>Dateien:</source>
        <translation>Files:</translation>
    </message>
    <message>
        <source>Verzeichnisse</source>
        <translation>Folders</translation>
    </message>
    <message>
        <source>Laufwerke:</source>
        <translation>Drives:</translation>
    </message>
    <message>
        <source>Neues Verzeichnis:</source>
        <translation>New folder:</translation>
    </message>
    <message>
        <source>Neues Verzeichnis anlegen</source>
        <translation>Create new folder</translation>
    </message>
    <message>
        <source>Bezeichnung</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Fehler bei Multiplikator</source>
        <translation>Error in the factor</translation>
    </message>
    <message>
        <source>Liniendiagramm in die Zwischenablage exportiert!</source>
        <translation>Line diagram copied to the clipboard!</translation>
    </message>
    <message>
        <source>Spektren in die Zwischenablage exportiert!</source>
        <translation>Spectra copied to the clipboard!</translation>
    </message>
    <message>
        <source>Tabelle in die Zwischenablage exportiert!</source>
        <translation>Table copied to the clipboard!</translation>
    </message>
    <message>
        <source>Bilder werden als SVG oder PNG gespeichert: Bitte geben Sie einen Dateinamen mit der Endung .svg oder .png an.</source>
        <translation>Pictures are saved as SVG or PNG: please give a file name ending in .svg or .png.</translation>
    </message>
    <message>
        <source>Bitte geben Sie eine Bezeichnung für das Signal ein.</source>
        <translation>Please enter a name for the signal.</translation>
    </message>
    <message>
        <source>Die Bezeichnung darf nicht mit einem Leerzeichen beginnen oder enden.</source>
        <translation>The name must not begin or end with a space.</translation>
    </message>
    <message>
        <source>Signal &quot;%1&quot; ist bereits im Projekt vorhanden. Wählen Sie eine andere Bezeichnung!</source>
        <translation>Signal &quot;%1&quot; is already in the project. Please choose another name!</translation>
    </message>
    <message>
        <source>Die Bezeichnung &quot;%1&quot; ist in Projektdateien reserviert. Wählen Sie eine andere Bezeichnung!</source>
        <translation>The name &quot;%1&quot; is reserved in project files. Please choose another name!</translation>
    </message>
    <message>
        <source>Die Bezeichnung darf keine eckigen Klammern [ ] enthalten.</source>
        <translation>The name must not contain square brackets [ ].</translation>
    </message>
    <message>
        <source>Die Bezeichnung darf keine Zeilenumbrüche oder Steuerzeichen enthalten.</source>
        <translation>The name must not contain line breaks or control characters.</translation>
    </message>
    <message>
        <source>Die Bezeichnung darf höchstens 255 Zeichen lang sein.</source>
        <translation>The name may be at most 255 characters long.</translation>
    </message>
    <message>
        <source>Die Bezeichnung enthält Zeichen, die in einer Projektdatei nicht gespeichert werden können. Wählen Sie eine andere Bezeichnung!</source>
        <translation>The name contains characters that cannot be stored in a project file. Please choose another name!</translation>
    </message>
    <message>
        <source>Syntaxfehler bei %1%2 !</source>
        <translation>Syntax error in %1%2!</translation>
    </message>
    <message>
        <source>Wert zu groß bei %1%2 !</source>
        <translation>Value too large in %1%2!</translation>
    </message>
    <message>
        <source>ungültige Dezimalzahl</source>
        <translation>invalid decimal number</translation>
    </message>
    <message>
        <source>Überlauf</source>
        <translation>overflow</translation>
    </message>
    <message>
        <source>Syntaxfehler</source>
        <translation>syntax error</translation>
    </message>
    <message>
        <source>Ergebnis der Funktion nicht definiert</source>
        <translation>result of the function not defined</translation>
    </message>
    <message>
        <source>) erwartet</source>
        <translation>) expected</translation>
    </message>
    <message>
        <source>( erwartet</source>
        <translation>( expected</translation>
    </message>
    <message>
        <source>Division durch Null</source>
        <translation>division by zero</translation>
    </message>
    <message>
        <source>, erwartet</source>
        <translation>, expected</translation>
    </message>
    <message>
        <source>[ erwartet</source>
        <translation>[ expected</translation>
    </message>
    <message>
        <source>] erwartet</source>
        <translation>] expected</translation>
    </message>
    <message>
        <source>; erwartet</source>
        <translation>; expected</translation>
    </message>
    <message>
        <source>Fehler in Unit Math</source>
        <translation>Error in unit Math</translation>
    </message>
    <message>
        <source>Wert zu groß bei a0: der Gleichanteil 100 · a0 ist größer als 1E15.</source>
        <translation>Value too large in a0: the constant term 100 · a0 is greater than 1E15.</translation>
    </message>
    <message>
        <source>Wert zu groß bei %1 für n = %2: die Amplitude 100 · √(an² + bn²) ist größer als 1E15.</source>
        <translation>Value too large in %1 for n = %2: the amplitude 100 · √(an² + bn²) is greater than 1E15.</translation>
    </message>
    <message>
        <source>n!: n&lt;1</source>
        <translation>n!: n&lt;1</translation>
    </message>
    <message>
        <source>log(x): x&lt;=0 oder Basis=1</source>
        <translation>log(x): x&lt;=0 or base=1</translation>
    </message>
    <message>
        <source>0 hoch 0 nicht definiert</source>
        <translation>0 to the power of 0 not defined</translation>
    </message>
    <message>
        <source>Exponent ist Bruch</source>
        <translation>exponent is a fraction</translation>
    </message>
    <message>
        <source>coth(x): x=0</source>
        <translation>coth(x): x=0</translation>
    </message>
    <message>
        <source>arcosh(x): x&lt;0</source>
        <translation>arcosh(x): x&lt;0</translation>
    </message>
    <message>
        <source>artanh(x): |x|&gt;=1</source>
        <translation>artanh(x): |x|&gt;=1</translation>
    </message>
    <message>
        <source>arcoth(x): |x|&lt;=1</source>
        <translation>arcoth(x): |x|&lt;=1</translation>
    </message>
    <message>
        <source>tan(x): x=Pi/2+k*Pi; k=0,1,2..</source>
        <translation>tan(x): x=Pi/2+k*Pi; k=0,1,2..</translation>
    </message>
    <message>
        <source>cot(x): x=k*Pi; k=0,1,2..</source>
        <translation>cot(x): x=k*Pi; k=0,1,2..</translation>
    </message>
    <message>
        <source>arcsin(x): |x|&gt;1</source>
        <translation>arcsin(x): |x|&gt;1</translation>
    </message>
    <message>
        <source>arccos(x): |x|&gt;1</source>
        <translation>arccos(x): |x|&gt;1</translation>
    </message>
    <message>
        <source>Wurzel aus negativer Zahl</source>
        <translation>square root of a negative number</translation>
    </message>
    <message>
        <source>Die Datei ist zu groß.</source>
        <translation>The file is too large.</translation>
    </message>
    <message>
        <source>In %1 kann nicht geschrieben werden</source>
        <translation>Cannot write to %1</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden: %2</source>
        <translation>The file %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>Signal %1 erzeugen</source>
        <translation>Create signal %1</translation>
    </message>
    <message>
        <source>Signal %1 löschen</source>
        <translation>Delete signal %1</translation>
    </message>
    <message>
        <source>Signal %1 einfügen</source>
        <translation>Paste signal %1</translation>
    </message>
    <message>
        <source>Signal %1 konvertieren</source>
        <translation>Convert signal %1</translation>
    </message>
    <message>
        <source>Sichtbarkeit von %1 ändern</source>
        <translation>Show or hide %1</translation>
    </message>
    <message>
        <source>Signal %1 bearbeiten</source>
        <translation>Edit signal %1</translation>
    </message>
    <message>
        <source>Wert von %1 ändern</source>
        <translation>Change value of %1</translation>
    </message>
    <message>
        <source>Signal &quot;%1&quot;: Der Wert &quot;%2&quot; von &quot;%3&quot; ist keine endliche Zahl. Das Projekt wurde nicht geladen.</source>
        <translation>Signal &quot;%1&quot;: the value &quot;%2&quot; of &quot;%3&quot; is not a finite number. The project was not loaded.</translation>
    </message>
    <message>
        <source>Signal &quot;%1&quot;: Der Wert &quot;%2&quot; von &quot;%3&quot; ist zu groß. Das Projekt wurde nicht geladen.</source>
        <translation>Signal &quot;%1&quot;: the value &quot;%2&quot; of &quot;%3&quot; is too large. The project was not loaded.</translation>
    </message>
    <message>
        <source>Signal &quot;%1&quot;: Der Wert &quot;%2&quot; von &quot;%3&quot; ist zu groß (erlaubt sind Beträge bis 1E15). Das Projekt wurde nicht geladen.</source>
        <translation>Signal &quot;%1&quot;: the value &quot;%2&quot; of &quot;%3&quot; is too large (magnitudes up to 1E15 are allowed). The project was not loaded.</translation>
    </message>
    <message>
        <source>Die Datei „%1“ kann nicht geschrieben werden: %2</source>
        <translation>The file “%1” cannot be written: %2</translation>
    </message>
    <message>
        <source>Bitte geben Sie einen Dateinamen ein.</source>
        <translation>Please enter a file name.</translation>
    </message>
    <message>
        <source>Der Dateiname „%1“ enthält einen Platzhalter („*“ oder „?“). Bitte geben Sie einen vollständigen Dateinamen ein, zum Beispiel „ton.wav“.</source>
        <translation>The file name “%1” contains a wildcard (“*” or “?”). Please enter a complete file name, for example “tone.wav”.</translation>
    </message>
    <message>
        <source>Der Dateiname „%1“ enthält ein Pfadtrennzeichen („/“ oder „\“). Bitte wählen Sie den Ordner in der Verzeichnisliste und geben Sie hier nur den Namen der Datei ein.</source>
        <translation>The file name “%1” contains a path separator (“/” or “\”). Please choose the folder in the folder list and enter only the name of the file here.</translation>
    </message>
    <message>
        <source>Der Dateiname enthält ein unzulässiges Zeichen.</source>
        <translation>The file name contains a character that is not allowed.</translation>
    </message>
    <message>
        <source>„%1“ ist kein Dateiname. Bitte geben Sie einen Dateinamen ein.</source>
        <translation>“%1” is not a file name. Please enter a file name.</translation>
    </message>
    <message>
        <source>Unbekannter Fehler</source>
        <translation>Unknown error</translation>
    </message>
    <message>
        <source>Zelle der Harmonischen; Tab geht zur nächsten Zelle.</source>
        <translation>Cell of the harmonics; Tab goes to the next cell.</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; konnte nicht geschrieben werden. Bitte prüfen Sie, ob der Ordner besteht und Sie dort schreiben dürfen.</source>
        <translation>The file &quot;%1&quot; could not be written. Please check that the folder exists and that you may write there.</translation>
    </message>
    <message>
        <source>Pfeile links und rechts, Pos1 und Ende wählen die Harmonische, Pfeile auf und ab das Spektrum, Plus und Minus ändern den Wert um 1, mit Umschalt um 10, mit Strg um 100 (Winkel 5 und 45), Eingabe springt zum Wert.</source>
        <translation>Left and right arrows, Home and End choose the harmonic, up and down arrows the spectrum, plus and minus change the value by 1, with Shift by 10, with Ctrl by 100 (angles 5 and 45), Enter goes to the value.</translation>
    </message>
    <message>
        <source>Die Signale des Projekts. Leertaste zeigt oder verbirgt das gewählte Signal, Eingabe bearbeitet es, Entf löscht es.</source>
        <translation>The signals of the project. Space shows or hides the chosen signal, Enter edits it, Delete deletes it.</translation>
    </message>
    <message>
        <source>Oberes Spektrum</source>
        <translation>Upper spectrum</translation>
    </message>
    <message>
        <source>Unteres Spektrum</source>
        <translation>Lower spectrum</translation>
    </message>
    <message>
        <source>Wert</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Wert der gewählten Spektrallinie als ganze Zahl; Strg+Z nimmt die letzte Änderung des Projekts zurück.</source>
        <translation>Value of the chosen spectral line as a whole number; Ctrl+Z undoes the last change to the project.</translation>
    </message>
    <message>
        <source>Harmonische verschieben</source>
        <translation>Scroll harmonics</translation>
    </message>
    <message>
        <source>Zeigt die Harmonischen ab 1, 17, 33 bis 97.</source>
        <translation>Shows the harmonics from 1, 17, 33 up to 97.</translation>
    </message>
    <message>
        <source>Wechselt zwischen Betrag und Phase, Kosinus- und Sinusanteil, Betrag und Sinusphase.</source>
        <translation>Switches between magnitude and phase, cosine and sine parts, magnitude and sine phase.</translation>
    </message>
    <message>
        <source>Plus 100</source>
        <translation>Plus 100</translation>
    </message>
    <message>
        <source>Erhöht den gewählten Wert um 100, einen Winkel um 45 Grad.</source>
        <translation>Raises the chosen value by 100, an angle by 45 degrees.</translation>
    </message>
    <message>
        <source>Plus 10</source>
        <translation>Plus 10</translation>
    </message>
    <message>
        <source>Erhöht den gewählten Wert um 10, einen Winkel um 5 Grad.</source>
        <translation>Raises the chosen value by 10, an angle by 5 degrees.</translation>
    </message>
    <message>
        <source>Plus 1</source>
        <translation>Plus 1</translation>
    </message>
    <message>
        <source>Erhöht den gewählten Wert um 1.</source>
        <translation>Raises the chosen value by 1.</translation>
    </message>
    <message>
        <source>Null</source>
        <translation>Zero</translation>
    </message>
    <message>
        <source>Setzt den gewählten Wert auf 0.</source>
        <translation>Sets the chosen value to 0.</translation>
    </message>
    <message>
        <source>Minus 1</source>
        <translation>Minus 1</translation>
    </message>
    <message>
        <source>Verringert den gewählten Wert um 1.</source>
        <translation>Lowers the chosen value by 1.</translation>
    </message>
    <message>
        <source>Minus 10</source>
        <translation>Minus 10</translation>
    </message>
    <message>
        <source>Verringert den gewählten Wert um 10, einen Winkel um 5 Grad.</source>
        <translation>Lowers the chosen value by 10, an angle by 5 degrees.</translation>
    </message>
    <message>
        <source>Minus 100</source>
        <translation>Minus 100</translation>
    </message>
    <message>
        <source>Verringert den gewählten Wert um 100, einen Winkel um 45 Grad.</source>
        <translation>Lowers the chosen value by 100, an angle by 45 degrees.</translation>
    </message>
    <message>
        <source>Wie Projekt, Neu.</source>
        <translation>Same as Project &gt; New.</translation>
    </message>
    <message>
        <source>Wie Projekt, Laden.</source>
        <translation>Same as Project &gt; Open.</translation>
    </message>
    <message>
        <source>Wie Projekt, Speichern.</source>
        <translation>Same as Project &gt; Save.</translation>
    </message>
    <message>
        <source>Wie Signal, Neu.</source>
        <translation>Same as Signal &gt; New.</translation>
    </message>
    <message>
        <source>Wie Signal, Löschen.</source>
        <translation>Same as Signal &gt; Delete.</translation>
    </message>
    <message>
        <source>Wie Signal, Bearbeiten.</source>
        <translation>Same as Signal &gt; Edit.</translation>
    </message>
    <message>
        <source>Wie Signal, Kopieren.</source>
        <translation>Same as Signal &gt; Copy.</translation>
    </message>
    <message>
        <source>Wie Signal, Einfügen.</source>
        <translation>Same as Signal &gt; Paste.</translation>
    </message>
    <message>
        <source>Spielt das gewählte Signal als Ton, solange die Schaltfläche oder die Leertaste gedrückt ist.</source>
        <translation>Plays the chosen signal as a tone for as long as the button or the space bar is held down.</translation>
    </message>
    <message>
        <source>Öffnet die Einstellungen.</source>
        <translation>Opens the settings.</translation>
    </message>
    <message>
        <source>Zeigt weniger Perioden im Liniendiagramm.</source>
        <translation>Shows fewer periods in the line diagram.</translation>
    </message>
    <message>
        <source>Zeigt mehr Perioden im Liniendiagramm.</source>
        <translation>Shows more periods in the line diagram.</translation>
    </message>
    <message>
        <source>Vergrößert die Kurven im Liniendiagramm.</source>
        <translation>Enlarges the curves in the line diagram.</translation>
    </message>
    <message>
        <source>Verkleinert die Kurven im Liniendiagramm.</source>
        <translation>Reduces the curves in the line diagram.</translation>
    </message>
    <message>
        <source>Übernimmt die Eingaben und schließt den Dialog.</source>
        <translation>Accepts the entries and closes the dialog.</translation>
    </message>
    <message>
        <source>Schließt den Dialog, ohne etwas zu ändern.</source>
        <translation>Closes the dialog without changing anything.</translation>
    </message>
    <message>
        <source>Öffnet die Hilfe zu diesem Dialog.</source>
        <translation>Opens the help for this dialog.</translation>
    </message>
    <message>
        <source>Name des Signals im Projekt.</source>
        <translation>Name of the signal in the project.</translation>
    </message>
    <message>
        <source>Zeigt die Kurve des Signals im Liniendiagramm.</source>
        <translation>Shows the signal&apos;s curve in the line diagram.</translation>
    </message>
    <message>
        <source>Farbe des Signals; Leertaste wählt sie.</source>
        <translation>Colour of the signal; Space chooses it.</translation>
    </message>
    <message>
        <source>Anzahl der Stützstellen der Kurve; die Pfeile wählen eine andere.</source>
        <translation>Number of sample points of the curve; the arrows choose another.</translation>
    </message>
    <message>
        <source>Die Kurve einer Periode. Pfeile links und rechts wählen eine Stützstelle, Pfeile auf und ab ändern ihren Wert um 1, mit Umschalt um 10; Strg+Z nimmt den letzten Strich zurück, Strg+Umschalt+Z wiederholt ihn.</source>
        <translation>The curve of one period. Left and right arrows choose a sample point, up and down arrows change its value by 1, with Shift by 10; Ctrl+Z undoes the last stroke, Ctrl+Shift+Z redoes it.</translation>
    </message>
    <message>
        <source>Faktor</source>
        <translation>Factor</translation>
    </message>
    <message>
        <source>Faktor, mit dem alle Amplituden multipliziert werden.</source>
        <translation>Factor by which all amplitudes are multiplied.</translation>
    </message>
    <message>
        <source>Multiplizieren</source>
        <translation>Multiply</translation>
    </message>
    <message>
        <source>Multipliziert alle Amplituden mit dem Faktor.</source>
        <translation>Multiplies all amplitudes by the factor.</translation>
    </message>
    <message>
        <source>Formel des Gleichanteils a0.</source>
        <translation>Formula of the constant term a0.</translation>
    </message>
    <message>
        <source>Formel der Kosinuskoeffizienten an.</source>
        <translation>Formula of the cosine coefficients an.</translation>
    </message>
    <message>
        <source>Formel der Sinuskoeffizienten bn.</source>
        <translation>Formula of the sine coefficients bn.</translation>
    </message>
    <message>
        <source>Wert oder Formel der Konstanten k.</source>
        <translation>Value or formula of the constant k.</translation>
    </message>
    <message>
        <source>Wert oder Formel der Konstanten l.</source>
        <translation>Value or formula of the constant l.</translation>
    </message>
    <message>
        <source>Wert oder Formel der Konstanten m.</source>
        <translation>Value or formula of the constant m.</translation>
    </message>
    <message>
        <source>Welche n summiert werden; die Pfeile wählen eine andere Auswahl.</source>
        <translation>Which n are summed; the arrows choose another selection.</translation>
    </message>
    <message>
        <source>Höchste Harmonische</source>
        <translation>Highest harmonic</translation>
    </message>
    <message>
        <source>Höchstes n, das summiert wird.</source>
        <translation>Highest n that is summed.</translation>
    </message>
    <message>
        <source>Wie das Signal gebildet wird; die Pfeile wählen eine andere Art.</source>
        <translation>How the signal is made; the arrows choose another kind.</translation>
    </message>
    <message>
        <source>Dateiname</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>Name der WAV-Datei, in die der Ton geschrieben wird.</source>
        <translation>Name of the WAV file the tone is written to.</translation>
    </message>
    <message>
        <source>Dateien</source>
        <translation>Files</translation>
    </message>
    <message>
        <source>Die WAV-Dateien im gewählten Verzeichnis.</source>
        <translation>The WAV files in the chosen folder.</translation>
    </message>
    <message>
        <source>Das Verzeichnis, in das der Ton geschrieben wird.</source>
        <translation>The folder the tone is written to.</translation>
    </message>
    <message>
        <source>Laufwerke</source>
        <translation>Drives</translation>
    </message>
    <message>
        <source>Das Laufwerk des Verzeichnisses.</source>
        <translation>The drive of the folder.</translation>
    </message>
    <message>
        <source>Neues Verzeichnis</source>
        <translation>New folder</translation>
    </message>
    <message>
        <source>Name eines neuen Verzeichnisses im gewählten.</source>
        <translation>Name of a new folder in the chosen one.</translation>
    </message>
    <message>
        <source>Verzeichnis anlegen</source>
        <translation>Create folder</translation>
    </message>
    <message>
        <source>Legt das neue Verzeichnis an.</source>
        <translation>Creates the new folder.</translation>
    </message>
    <message>
        <source>Seiten</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Wählt die Seite der Einstellungen; die Pfeile wechseln sie.</source>
        <translation>Chooses the page of the settings; the arrows change it.</translation>
    </message>
    <message>
        <source>Zeigt diese Harmonische des gewählten Signals als eigene Kurve.</source>
        <translation>Shows this harmonic of the chosen signal as a curve of its own.</translation>
    </message>
    <message>
        <source>Beschriftung der Spektren; die Pfeile wählen eine andere.</source>
        <translation>Labels of the spectra; the arrows choose others.</translation>
    </message>
    <message>
        <source>Beschriftung des Liniendiagramms; die Pfeile wählen eine andere.</source>
        <translation>Labels of the line diagram; the arrows choose others.</translation>
    </message>
    <message>
        <source>Zeichnet die Stützstellen gezeichneter Signale hinter ihre Kurve.</source>
        <translation>Draws the sample points of drawn signals behind their curve.</translation>
    </message>
    <message>
        <source>Hintergrundfarbe der Anzeigen; die Pfeile wählen eine andere.</source>
        <translation>Background colour of the displays; the arrows choose another.</translation>
    </message>
    <message>
        <source>Grundfrequenz von 0.1 bis 25000 Hz, mit Punkt.</source>
        <translation>Fundamental frequency from 0.1 to 25000 Hz, with a decimal point.</translation>
    </message>
    <message>
        <source>Abtastrate des Tons; die Pfeile wählen eine andere.</source>
        <translation>Sample rate of the tone; the arrows choose another.</translation>
    </message>
    <message>
        <source>Sprache der Oberfläche; die Pfeile wählen eine andere.</source>
        <translation>Language of the interface; the arrows choose another.</translation>
    </message>
    <message>
        <source>Schwarz</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>Rot</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Grün</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Blau</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Gelb</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>Weiß</source>
        <translation>White</translation>
    </message>
    <message>
        <source>Cosinusspektrum und Sinusspektrum</source>
        <translation>Cosine and sine spectrum</translation>
    </message>
    <message>
        <source>Betragsspektrum (Sinus) und Winkelspektrum</source>
        <translation>Magnitude spectrum (sine) and phase spectrum</translation>
    </message>
    <message>
        <source>Betragsspektrum (Cosinus) und Winkelspektrum</source>
        <translation>Magnitude spectrum (cosine) and phase spectrum</translation>
    </message>
</context>
</TS>
