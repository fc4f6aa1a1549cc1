#!/usr/bin/env python3
# Writes Slicewise's language file (Slicewisetrl.ini) and checks it: 8-bit
# Latin-1, CR LF, no bytes 0x80 to 0x9F, every language with every number of
# TEXTS. Run it after changing a text.
import os
import sys

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
    80: ("4.7 GB (DVD, DVD±R, DVD±RW)", "4,7 GB (DVD, DVD±R, DVD±RW)"),
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
    167: ("The first part %s is empty: a divided file never starts with an empty part, so the "
          "parts cannot be merged. Nothing has been written.",
          "Der erste Teil %s ist leer: Eine aufgeteilte Datei beginnt nie mit einem leeren Teil, "
          "daher können die Teile nicht zusammengefügt werden. Es wurde nichts geschrieben."),
    168: ("The part %s is shorter than the first part, but another part follows it: parts of "
          "different sets are mixed or a part is damaged, so the parts cannot be merged. Nothing "
          "has been written.",
          "Der Teil %s ist kürzer als der erste Teil, aber ihm folgt noch ein Teil: Teile "
          "verschiedener Sätze sind vermischt oder ein Teil ist beschädigt, daher können die "
          "Teile nicht zusammengefügt werden. Es wurde nichts geschrieben."),
    169: ("The checksum file %s names neither these parts nor the joined file: it is empty, "
          "damaged or belongs to another file, so the parts cannot be checked and are not "
          "merged. Nothing has been written.",
          "Die Prüfsummendatei %s nennt weder diese Teile noch die zusammengefügte Datei: Sie ist "
          "leer, beschädigt oder gehört zu einer anderen Datei, daher können die Teile nicht "
          "geprüft werden und werden nicht zusammengefügt. Es wurde nichts geschrieben."),
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
    340: ("A file is being divided or merged. Stop it and close Slicewise? The parts of a "
          "stopped division are removed.",
          "Eine Datei wird gerade aufgeteilt oder zusammengefügt. Vorgang abbrechen und "
          "Slicewise schließen? Die Teile einer abgebrochenen Aufteilung werden entfernt."),
    341: ("&Stop", "&Abbrechen"),
    342: ("Slicewise is dividing or merging a file.",
          "Slicewise teilt gerade eine Datei auf oder fügt sie zusammen."),
    344: ("%s MB/s, %s left", "%s MB/s, noch %s"),
}

# The other languages, each a table by number of its own, so that a text
# added to TEXTS above merges without touching them. Every table must hold
# exactly the numbers of TEXTS: the generator names what a table lacks.
# French puts a no-break space (\xa0) before : ; ? ! and inside « ».
SPANISH = {
    1: "Seleccione su idioma:",
    2: "Español",
    5: "Vantorel Slicewise",
    10: "¡Bienvenido a Vantorel Slicewise!",
    15: "Para dividir un archivo grande en archivos más pequeños, siga los pasos que se "
        "indican abajo. Para unir un archivo dividido, haga clic en 'Unir', abajo a la "
        "izquierda de esta ventana.",
    20: "Seleccione el archivo que desea dividir",
    25: "&Examinar archivo",
    30: "Seleccione una carpeta de destino",
    35: "Examinar &carpeta",
    40: "Tamaño de cada parte",
    45: "U&nir",
    50: "&Dividir archivo",
    55: "100 KB",
    60: "1,44 MB (disquete)",
    65: "500 KB",
    70: "1 MB (adjuntos de correo)",
    75: "650 MB (CD, CD-R, CD-RW)",
    80: "4,7 GB (DVD, DVD±R, DVD±RW)",
    85: "Definido por el usuario:",
    90: "2 MB (adjuntos de correo)",
    105: "bytes",
    110: "KB",
    115: "MB",
    120: "GB",
    125: "Seleccione la carpeta para las partes:",
    130: "Seleccione primero el archivo que desea dividir y una carpeta de destino.",
    135: "Dividiendo...",
    140: "El archivo no es mayor que el tamaño de parte seleccionado, así que no hay nada que "
         "dividir.",
    141: "Introduzca un tamaño de parte mayor que 0.",
    145: "Iniciando la parte %d...",
    146: "Escribiendo la parte %d: %d%%",
    150: "El archivo se ha dividido.",
    152: "Seleccione la primera parte de un archivo dividido (su nombre termina en "
         ".00001.vtrl). El archivo unido se escribe en la carpeta de las partes.",
    153: "El archivo elegido no es una parte de un archivo dividido: su nombre debe terminar "
         "en un número de parte como .00001.vtrl.",
    155: "Uniendo...",
    160: "Abriendo la parte %d...",
    161: "Leyendo la parte %d: %d%%",
    165: "Las partes se han unido.",
    166: "Falta la parte %s. La unión se ha detenido; no se ha escrito ningún archivo unido.",
    167: "La primera parte %s está vacía: un archivo dividido nunca empieza con una parte "
         "vacía, así que las partes no se pueden unir. No se ha escrito nada.",
    168: "La parte %s es más corta que la primera, pero la sigue otra parte: se han mezclado "
         "partes de distintos conjuntos o una parte está dañada, así que las partes no se "
         "pueden unir. No se ha escrito nada.",
    169: "El archivo de sumas de comprobación %s no nombra estas partes ni el archivo unido: "
         "está vacío, dañado o pertenece a otro archivo, así que las partes no se pueden "
         "comprobar y no se unen. No se ha escrito nada.",
    170: "Se ha detenido la división. Se han eliminado las partes escritas en esta operación.",
    171: "Se ha detenido la unión. No se ha escrito ningún archivo unido; un archivo con ese "
         "nombre que ya existía no se ha modificado.",
    172: "No hay memoria suficiente para continuar, por lo que la operación se ha detenido. Se "
         "ha eliminado un archivo sin terminar.",
    173: "Un error inesperado ha detenido la operación. Se ha eliminado un archivo sin terminar.",
    200: "&Archivo",
    215: "Selección de &idioma",
    220: "&Salir",
    250: "Ay&uda",
    255: "&Mostrar archivo de ayuda",
    260: "Ir al sitio &web de Vantorel",
    265: "&Acerca de Slicewise",
    300: "La parte %s no coincide con su suma de comprobación en %s: está dañada o pertenece a "
         "otro conjunto. Se ha detenido la unión; no se ha escrito ningún archivo unido.",
    301: "Las partes unidas no coinciden con la suma de comprobación de %s en %s: una parte "
         "está dañada o pertenece a otro conjunto. Se ha detenido la unión; no se ha escrito "
         "ningún archivo unido.",
    302: "No hay espacio libre suficiente en %s: las partes y su archivo de sumas de "
         "comprobación necesitan %s, pero la unidad solo tiene %s libres. No se ha escrito nada.",
    303: "El sistema de archivos de %s (%s) admite archivos de %s como máximo, pero cada parte "
         "tendría %s. Elija un tamaño de parte menor. No se ha escrito nada.",
    340: "Se está dividiendo o uniendo un archivo. ¿Detenerlo y cerrar Slicewise? Las partes "
         "de una división detenida se eliminan.",
    341: "&Detener",
    342: "Slicewise está dividiendo o uniendo un archivo.",
    344: "%s MB/s, quedan %s",
}

DUTCH = {
    1: "Selecteer uw taal:",
    2: "Nederlands",
    5: "Vantorel Slicewise",
    10: "Welkom bij Vantorel Slicewise!",
    15: "Volg de onderstaande stappen om een groot bestand in kleinere bestanden te splitsen. "
        "Klik linksonder in dit venster op 'Samenvoegen' om een gesplitst bestand weer samen "
        "te voegen.",
    20: "Selecteer het bestand dat u wilt splitsen",
    25: "Bestand &kiezen",
    30: "Selecteer een doelmap",
    35: "&Map kiezen",
    40: "Grootte van de afzonderlijke delen",
    45: "&Samenvoegen",
    50: "Bestand s&plitsen",
    55: "100 KB",
    60: "1,44 MB (diskette)",
    65: "500 KB",
    70: "1 MB (e-mailbijlagen)",
    75: "650 MB (cd, cd-r, cd-rw)",
    80: "4,7 GB (dvd, dvd±r, dvd±rw)",
    85: "Aangepast:",
    90: "2 MB (e-mailbijlagen)",
    105: "bytes",
    110: "KB",
    115: "MB",
    120: "GB",
    125: "Selecteer de map voor de delen:",
    130: "Selecteer eerst het bestand dat u wilt splitsen en een doelmap.",
    135: "Bezig met splitsen...",
    140: "Het bestand is niet groter dan de gekozen grootte van een deel; er valt dus niets "
         "te splitsen.",
    141: "Geef een grootte van een deel op die groter is dan 0.",
    145: "Deel %d aanmaken...",
    146: "Deel %d schrijven: %d%%",
    150: "Het bestand is gesplitst.",
    152: "Selecteer het eerste deel van een gesplitst bestand (de naam eindigt op "
         ".00001.vtrl). Het samengevoegde bestand wordt in de map van de delen geschreven.",
    153: "Het gekozen bestand is geen deel van een gesplitst bestand: de naam moet eindigen "
         "op een deelnummer zoals .00001.vtrl.",
    155: "Bezig met samenvoegen...",
    160: "Deel %d openen...",
    161: "Deel %d lezen: %d%%",
    165: "De delen zijn samengevoegd.",
    166: "Deel %s ontbreekt. Het samenvoegen is gestopt; er is geen samengevoegd bestand "
         "geschreven.",
    167: "Het eerste deel %s is leeg: een gesplitst bestand begint nooit met een leeg deel, dus "
         "de delen kunnen niet worden samengevoegd. Er is niets geschreven.",
    168: "Deel %s is korter dan het eerste deel, maar er volgt nog een deel op: delen van "
         "verschillende sets zijn vermengd of een deel is beschadigd, dus de delen kunnen niet "
         "worden samengevoegd. Er is niets geschreven.",
    169: "Het controlesombestand %s noemt deze delen noch het samengevoegde bestand: het is "
         "leeg, beschadigd of hoort bij een ander bestand, dus de delen kunnen niet worden "
         "gecontroleerd en worden niet samengevoegd. Er is niets geschreven.",
    170: "Het splitsen is gestopt. De delen die deze bewerking had geschreven, zijn verwijderd.",
    171: "Het samenvoegen is gestopt. Er is geen samengevoegd bestand geschreven; een bestaand "
         "bestand met die naam is ongewijzigd.",
    172: "Er is niet genoeg geheugen om door te gaan, daarom is de bewerking gestopt. Een "
         "onvoltooid bestand is verwijderd.",
    173: "Een onverwachte fout heeft de bewerking gestopt. Een onvoltooid bestand is verwijderd.",
    200: "&Bestand",
    215: "&Taal kiezen",
    220: "&Afsluiten",
    250: "&Help",
    255: "&Helpbestand weergeven",
    260: "&Website van Vantorel bezoeken",
    265: "&Info over Slicewise",
    300: "Het deel %s komt niet overeen met zijn controlesom in %s: het is beschadigd of hoort "
         "bij een andere set. Het samenvoegen is gestopt; er is geen samengevoegd bestand "
         "geschreven.",
    301: "De samengevoegde delen komen niet overeen met de controlesom van %s in %s: een deel "
         "is beschadigd of hoort bij een andere set. Het samenvoegen is gestopt; er is geen "
         "samengevoegd bestand geschreven.",
    302: "Er is niet genoeg vrije ruimte in %s: de delen en hun controlesombestand hebben %s "
         "nodig, maar het station heeft maar %s vrij. Er is niets geschreven.",
    303: "Het bestandssysteem van %s (%s) kan bestanden van hoogstens %s bevatten, maar elk "
         "deel zou %s zijn. Kies een kleinere deelgrootte. Er is niets geschreven.",
    340: "Er wordt een bestand gesplitst of samengevoegd. Stoppen en Slicewise sluiten? De "
         "delen van een gestopte splitsing worden verwijderd.",
    341: "&Stoppen",
    342: "Slicewise splitst of voegt een bestand samen.",
    344: "%s MB/s, nog %s",
}

FRENCH = {
    1: "Sélectionnez votre langue\xa0:",
    2: "Français",
    5: "Vantorel Slicewise",
    10: "Bienvenue dans Vantorel Slicewise\xa0!",
    15: "Pour diviser un gros fichier en fichiers plus petits, suivez les étapes ci-dessous. "
        "Pour rassembler un fichier divisé, cliquez sur «\xa0Rassembler\xa0» en bas à gauche de "
        "cette fenêtre.",
    20: "Sélectionnez le fichier à diviser",
    25: "Choisir le fi&chier",
    30: "Sélectionnez un dossier de destination",
    35: "Choisir le d&ossier",
    40: "Taille de chaque partie",
    45: "&Rassembler",
    50: "&Diviser le fichier",
    55: "100 Ko",
    60: "1,44 Mo (disquette)",
    65: "500 Ko",
    70: "1 Mo (pièces jointes)",
    75: "650 Mo (CD, CD-R, CD-RW)",
    80: "4,7 Go (DVD, DVD±R, DVD±RW)",
    85: "Personnalisée\xa0:",
    90: "2 Mo (pièces jointes)",
    105: "octets",
    110: "Ko",
    115: "Mo",
    120: "Go",
    125: "Sélectionnez le dossier des parties\xa0:",
    130: "Sélectionnez d'abord le fichier à diviser et un dossier de destination.",
    135: "Division en cours...",
    140: "Le fichier n'est pas plus grand que la taille de partie choisie\xa0: il n'y a rien à "
         "diviser.",
    141: "Indiquez une taille de partie supérieure à 0.",
    145: "Création de la partie %d...",
    146: "Écriture de la partie %d\xa0: %d%%",
    150: "Le fichier a été divisé.",
    152: "Sélectionnez la première partie d'un fichier divisé (son nom se termine par "
         ".00001.vtrl). Le fichier rassemblé est écrit dans le dossier des parties.",
    153: "Le fichier choisi n'est pas une partie d'un fichier divisé\xa0: son nom doit se "
         "terminer par un numéro de partie tel que .00001.vtrl.",
    155: "Rassemblement en cours...",
    160: "Ouverture de la partie %d...",
    161: "Lecture de la partie %d\xa0: %d%%",
    165: "Les parties ont été rassemblées.",
    166: "La partie %s est manquante. L'assemblage a été arrêté\xa0; aucun fichier assemblé "
         "n'a été écrit.",
    167: "La première partie %s est vide\xa0: un fichier divisé ne commence jamais par une "
         "partie vide, les parties ne peuvent donc pas être assemblées. Rien n'a été écrit.",
    168: "La partie %s est plus courte que la première, mais une autre partie la suit\xa0: des "
         "parties de jeux différents sont mélangées ou une partie est endommagée, les parties "
         "ne peuvent donc pas être assemblées. Rien n'a été écrit.",
    169: "Le fichier de sommes de contrôle %s ne nomme ni ces parties ni le fichier "
         "assemblé\xa0: il est vide, endommagé ou appartient à un autre fichier, les parties ne "
         "peuvent donc pas être vérifiées et ne sont pas assemblées. Rien n'a été écrit.",
    170: "Le découpage a été arrêté. Les parties écrites par cette opération ont été supprimées.",
    171: "L'assemblage a été arrêté. Aucun fichier assemblé n'a été écrit\xa0; un fichier de ce "
         "nom qui existait déjà n'a pas été modifié.",
    172: "La mémoire est insuffisante pour continuer\xa0: l'opération a été arrêtée. Un fichier "
         "inachevé a été supprimé.",
    173: "Une erreur inattendue a arrêté l'opération. Un fichier inachevé a été supprimé.",
    200: "&Fichier",
    215: "Sélection de la &langue",
    220: "&Quitter",
    250: "&Aide",
    255: "Afficher l'&aide",
    260: "Visiter le site &Web de Vantorel",
    265: "À &propos de Slicewise",
    300: "La partie %s ne correspond pas à sa somme de contrôle dans %s\xa0: elle est "
         "endommagée ou appartient à un autre jeu. L'assemblage a été arrêté\xa0; aucun fichier "
         "assemblé n'a été écrit.",
    301: "Les parties assemblées ne correspondent pas à la somme de contrôle de %s dans %s\xa0: "
         "une partie est endommagée ou appartient à un autre jeu. L'assemblage a été arrêté\xa0; "
         "aucun fichier assemblé n'a été écrit.",
    302: "L'espace libre est insuffisant dans %s\xa0: les parties et leur fichier de sommes de "
         "contrôle nécessitent %s, mais le lecteur n'a que %s de libre. Rien n'a été écrit.",
    303: "Le système de fichiers de %s (%s) accepte des fichiers de %s au plus, mais chaque "
         "partie ferait %s. Choisissez une taille de partie plus petite. Rien n'a été écrit.",
    340: "Un fichier est en cours de découpage ou d'assemblage. L'arrêter et fermer "
         "Slicewise\xa0? Les parties d'un découpage arrêté sont supprimées.",
    341: "A&rrêter",
    342: "Slicewise découpe ou assemble un fichier.",
    344: "%s Mo/s, reste %s",
}

# marker, texts by number, in the order of the file
SECTIONS = (
    ("[1033]", {number: texts[0] for number, texts in TEXTS.items()}),
    ("[1031]", {number: texts[1] for number, texts in TEXTS.items()}),
    ("[1034]", SPANISH),
    ("[1043]", DUTCH),
    ("[1036]", FRENCH),
)


def gaps(marker, table):
    """What keeps a table from matching TEXTS number for number."""
    missing = sorted(set(TEXTS) - set(table))
    extra = sorted(set(table) - set(TEXTS))
    return (["%s lacks %s" % (marker, ", ".join(map(str, missing)))] if missing else []) + (
        ["%s has %s, which TEXTS lacks" % (marker, ", ".join(map(str, extra)))] if extra else [])


def main():
    # --partial writes the file even with gaps (the missing texts are left
    # out, so the language-file tests name them); for merging new texts
    # before their translations arrive.
    partial = "--partial" in sys.argv[1:]
    problems = [gap for marker, table in SECTIONS for gap in gaps(marker, table)]
    for problem in problems:
        print(problem, file=sys.stderr)
    if problems and not partial:
        raise SystemExit("texts.py: not written; translate the texts above or use --partial")
    here = os.path.dirname(os.path.abspath(__file__))
    lines = []
    for marker, table in SECTIONS:
        lines.append(marker)
        for number in sorted(set(table) & set(TEXTS)):
            lines.append("%05d %s" % (number, table[number]))
        lines.append("[EOL]")
    data = ("\r\n".join(lines) + "\r\n").encode("latin-1")
    bad = [b for b in data if 0x80 <= b <= 0x9F]
    if bad:
        raise SystemExit("bytes 0x80-0x9F in the language file")
    with open(os.path.join(here, "..", "Slicewisetrl.ini"), "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main()
