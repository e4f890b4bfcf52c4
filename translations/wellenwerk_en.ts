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
        <translation>&amp;Settings</translation>
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
        <translation>Support points in line diagram</translation>
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
</context>
</TS>
