#!/usr/bin/env python3
# Writes Slicewise's language file (Slicewisetrl.ini) and checks it: 8-bit
# Latin-1, CR LF, no bytes 0x80 to 0x9F. The texts live here, side by side, so
# that no language misses a number; run it after changing a text.
import os

# number: (English, German)
TEXTS = {
    1: ("Please select your language:", "Bitte wählen Sie Ihre Sprache:"),
    2: ("English", "Deutsch"),
    5: ("Vantorel Slicewise", "Vantorel Slicewise"),
    10: ("Welcome to Vantorel Slicewise!", "Willkommen bei Vantorel Slicewise!"),
    15: ("To divide a large file into smaller files, follow the steps below. To merge a "
         "previously divided file, click the 'Merge' button at the bottom left of this window.",
         "Um eine große Datei in kleinere Dateien aufzuteilen, folgen Sie den Schritten unten. "
         "Um eine aufgeteilte Datei wieder zusammenzufügen, klicken Sie links unten auf "
         "'Zusammenfügen'."),
    20: ("Please select a file to divide", "Bitte wählen Sie die Datei, die aufgeteilt werden soll"),
    25: ("&Browse File", "Datei &wählen"),
    30: ("Please select an output folder", "Bitte wählen Sie einen Zielordner für die Teile"),
    35: ("Browse F&older", "&Ordner wählen"),
    40: ("Single file size", "Größe der einzelnen Teile"),
    45: ("&Merge", "&Zusammenfügen"),
    50: ("&Divide files", "Datei &aufteilen"),
    55: ("100 KB", "100 KB"),
    60: ("1.44 MB (floppy disk)", "1,44 MB (Diskette)"),
    65: ("500 KB", "500 KB"),
    70: ("1 MB (e-mail attachments)", "1 MB (E-Mail-Anhänge)"),
    75: ("650 MB (CD, CD-R, CD-RW)", "650 MB (CD, CD-R, CD-RW)"),
    80: ("4.7 GB (DVD, DVD+/-R, DVD+/-RW)", "4,7 GB (DVD, DVD+/-R, DVD+/-RW)"),
    85: ("User defined:", "Benutzerdefiniert:"),
    90: ("2 MB (e-mail attachments)", "2 MB (E-Mail-Anhänge)"),
    105: ("Bytes", "Bytes"),
    110: ("KB", "KB"),
    115: ("MB", "MB"),
    120: ("GB", "GB"),
    125: ("Please select the folder for the parts:", "Bitte wählen Sie den Ordner für die Teile:"),
    130: ("Please select the file to divide and an output folder first.",
          "Bitte wählen Sie zuerst die aufzuteilende Datei und einen Zielordner."),
    135: ("Dividing...", "Die Datei wird aufgeteilt..."),
    140: ("The file is not larger than the selected part size, so there is nothing to divide.",
          "Die Datei ist nicht größer als die gewählte Teilgröße, es gibt also nichts aufzuteilen."),
    141: ("Please enter a part size larger than 0.",
          "Bitte geben Sie eine Teilgröße größer als 0 ein."),
    145: ("Starting part %d...", "Teil %d wird angelegt..."),
    146: ("Writing part %d: %d%%", "Teil %d wird geschrieben: %d%%"),
    150: ("The file has been divided.", "Die Datei wurde aufgeteilt."),
    152: ("Please select the first part of a divided file (its name ends in .00001.vtrl). "
          "The joined file is written into the folder of the parts.",
          "Bitte wählen Sie den ersten Teil einer aufgeteilten Datei (sein Name endet auf "
          ".00001.vtrl). Die zusammengefügte Datei wird in den Ordner der Teile geschrieben."),
    153: ("The chosen file is not a part of a divided file: its name must end in a part "
          "number such as .00001.vtrl.",
          "Die gewählte Datei ist kein Teil einer aufgeteilten Datei: ihr Name muss auf eine "
          "Teilnummer wie .00001.vtrl enden."),
    155: ("Merging...", "Die Teile werden zusammengefügt..."),
    160: ("Opening part %d...", "Teil %d wird geöffnet..."),
    161: ("Reading part %d: %d%%", "Teil %d wird gelesen: %d%%"),
    165: ("The parts have been merged.", "Die Teile wurden zusammengefügt."),
    166: ("The part %s is missing. Merging has stopped; no joined file was written.",
          "Der Teil %s fehlt. Das Zusammenfügen wurde abgebrochen; es wurde keine "
          "zusammengefügte Datei geschrieben."),
    170: ("Dividing was stopped. The parts written by this run have been removed.",
          "Das Aufteilen wurde abgebrochen. Die bereits geschriebenen Teile wurden wieder "
          "entfernt."),
    171: ("Merging was stopped. No joined file was written; a file of that name that existed "
          "before is unchanged.",
          "Das Zusammenfügen wurde abgebrochen. Es wurde keine zusammengefügte Datei "
          "geschrieben; eine schon vorhandene Datei dieses Namens ist unverändert."),
    172: ("There is not enough memory to go on, so the command has stopped. An unfinished file "
          "has been removed.",
          "Der Arbeitsspeicher reicht nicht aus, daher wurde der Vorgang abgebrochen. Eine "
          "unfertige Datei wurde entfernt."),
    173: ("An unexpected error has stopped the command. An unfinished file has been removed.",
          "Ein unerwarteter Fehler hat den Vorgang abgebrochen. Eine unfertige Datei wurde "
          "entfernt."),
    200: ("&File", "&Datei"),
    215: ("&Language Selection", "&Sprachauswahl"),
    220: ("&Exit", "&Beenden"),
    250: ("&Help", "&Hilfe"),
    255: ("Show &Help File", "&Hilfedatei anzeigen"),
    260: ("Go to Vantorel &Website", "Vantorel-&Website besuchen"),
    265: ("&About", "&Info über Slicewise"),
    300: ("The part %s does not match its checksum in %s: it is damaged or belongs to another "
          "set. Merging has stopped; no joined file was written.",
          "Der Teil %s stimmt nicht mit seiner Prüfsumme in %s überein: er ist beschädigt oder "
          "gehört zu einem anderen Satz. Das Zusammenfügen wurde abgebrochen; es wurde keine "
          "zusammengefügte Datei geschrieben."),
    301: ("The joined parts do not match the checksum of %s in %s: a part is damaged or belongs "
          "to another set. Merging has stopped; no joined file was written.",
          "Die zusammengefügten Teile stimmen nicht mit der Prüfsumme von %s in %s überein: "
          "ein Teil ist beschädigt oder gehört zu einem anderen Satz. Das Zusammenfügen wurde "
          "abgebrochen; es wurde keine zusammengefügte Datei geschrieben."),
    302: ("There is not enough free space in %s: the parts and their checksum file need %s, but "
          "the drive has only %s free. Nothing has been written.",
          "In %s ist nicht genug Platz frei: Die Teile und ihre Prüfsummendatei brauchen %s, das "
          "Laufwerk hat aber nur %s frei. Es wurde nichts geschrieben."),
    303: ("The file system of %s (%s) holds files of at most %s, but the parts would be %s each. "
          "Please choose a smaller part size. Nothing has been written.",
          "Das Dateisystem von %s (%s) fasst Dateien von höchstens %s, die Teile wären aber je "
          "%s groß. Bitte wählen Sie eine kleinere Teilgröße. Es wurde nichts geschrieben."),
}

SECTIONS = (("[1033]", 0), ("[1031]", 1))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    lines = []
    for marker, column in SECTIONS:
        lines.append(marker)
        for number in sorted(TEXTS):
            lines.append("%05d %s" % (number, TEXTS[number][column]))
        lines.append("[EOL]")
    data = ("\r\n".join(lines) + "\r\n").encode("latin-1")
    bad = [b for b in data if 0x80 <= b <= 0x9F]
    if bad:
        raise SystemExit("bytes 0x80-0x9F in the language file")
    with open(os.path.join(here, "..", "Slicewisetrl.ini"), "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main()
