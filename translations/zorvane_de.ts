<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>„%1 --help“ liefert weitere Informationen.</translation>
    </message>
    <message>
        <source>A card-divination patience game: play out the deal and read the omens.</source>
        <translation>Eine Wahrsage-Patience: Spiel die Karten aus und deute die Zeichen.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>You can visit web page : </source>
        <translation>Zur Webseite: </translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 The Zorvane developers</source>
        <translation>Copyright (C) 2026 Die Zorvane-Entwickler</translation>
    </message>
    <message>
        <source>Zorvane emblem</source>
        <translation>Zorvane-Emblem</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Zorvane Online Help</source>
        <translation>Zorvane Online-Hilfe</translation>
    </message>
    <message>
        <source>Zorvane Help</source>
        <translation>Zorvane-Hilfe</translation>
    </message>
    <message>
        <source>Open Online Help</source>
        <translation>Online-Hilfe öffnen</translation>
    </message>
    <message>
        <source>You must be connected to the Internet to view the online help files.</source>
        <translation>Für die Online-Hilfe brauchst du eine Verbindung zum Internet.</translation>
    </message>
</context>
<context>
    <name>ocxZorvane</name>
    <message>
        <source>&amp;Prediction</source>
        <translation>&amp;Weissagung</translation>
    </message>
    <message>
        <source>&amp;New Back</source>
        <translation>Neuer &amp;Rücken</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Ask the cards, read the omen</source>
        <translation>Frag die Karten, deute das Zeichen</translation>
    </message>
    <message>
        <source>God&apos;s design is unknown !</source>
        <translation>Gottes Plan ist unergründlich!</translation>
    </message>
    <message>
        <source>Everything goes my way</source>
        <translation>Alles läuft nach Wunsch</translation>
    </message>
    <message>
        <source>It&apos;s no good doing everything</source>
        <translation>Wer alles tut, tut nichts recht</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Schwierig</translation>
    </message>
    <message>
        <source>All roads lead to Rome</source>
        <translation>Alle Wege führen nach Rom</translation>
    </message>
    <message>
        <source>Avoid falling a prey to a plot</source>
        <translation>Hüte dich vor Ränkespielen</translation>
    </message>
    <message>
        <source>Grant whatever is requested</source>
        <translation>Jede Bitte wird erfüllt</translation>
    </message>
    <message>
        <source>Undependable</source>
        <translation>Unbeständig</translation>
    </message>
    <message>
        <source>Enjoy success</source>
        <translation>Genieße den Erfolg</translation>
    </message>
    <message>
        <source>A loss may turn out to be a gain and vice versa</source>
        <translation>Ein Verlust kann zum Gewinn werden und umgekehrt</translation>
    </message>
    <message>
        <source>It&apos;s perfect in every way and leaves nothing to be desired</source>
        <translation>Vollkommen in jeder Hinsicht, nichts bleibt zu wünschen übrig</translation>
    </message>
    <message>
        <source>Bicker endlessly between female members of a family</source>
        <translation>Endloser Zank unter den Frauen der Familie</translation>
    </message>
    <message>
        <source>Woman outside is water</source>
        <translation>Die Frau in der Fremde ist Wasser</translation>
    </message>
    <message>
        <source>As you sow, so will you reap</source>
        <translation>Wie man sät, so erntet man</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>Ass</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Zwei</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Drei</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Vier</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Fünf</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Sechs</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sieben</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Acht</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Neun</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Zehn</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Bube</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>King</source>
        <translation>König</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>Karo</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>Pik</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: %1 its rank, %2 its suit.</extracomment>
        <translation>%2-%1</translation>
    </message>
    <message>
        <source>being read</source>
        <translation>wird gedeutet</translation>
    </message>
    <message>
        <source>1 card</source>
        <translation>1 Karte</translation>
    </message>
    <message numerus="yes">
        <source>%n cards</source>
        <translation>
            <numerusform>%n Karte</numerusform>
            <numerusform>%n Karten</numerusform>
        </translation>
    </message>
    <message>
        <source>Waste: %1. Columns: %2. Stock: %3.</source>
        <translation>Ablage: %1. Spalten: %2. Talon: %3.</translation>
    </message>
    <message>
        <source>Omens:</source>
        <translation>Zeichen:</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>Keys 1 to 5 move that column&apos;s top card onto the waste; Space or 0 turns the top stock card.</source>
        <translation>Die Tasten 1 bis 5 legen die oberste Karte dieser Spalte auf die Ablage; Leertaste oder 0 deckt die oberste Karte des Talons auf.</translation>
    </message>
    <message>
        <source>%1 from the stock; the stock is empty.</source>
        <extracomment>After a stock card was turned onto the waste: %1 the card.</extracomment>
        <translation>%1 vom Talon; der Talon ist leer.</translation>
    </message>
    <message>
        <source>%1 from the stock; %2 left.</source>
        <extracomment>After a stock card was turned onto the waste: %1 the card, %2 the cards left (&quot;25 cards&quot;).</extracomment>
        <translation>%1 vom Talon; noch %2.</translation>
    </message>
    <message>
        <source>%1 from column %2; the column is empty.</source>
        <extracomment>After a column&apos;s top card was moved onto the waste: %1 the card, %2 the column&apos;s number.</extracomment>
        <translation>%1 aus Spalte %2; die Spalte ist leer.</translation>
    </message>
    <message>
        <source>%1 from column %2; %3 turned up.</source>
        <extracomment>After a column&apos;s top card was moved onto the waste: %1 the card, %2 the column&apos;s number, %3 the card beneath, which turned face up.</extracomment>
        <translation>%1 aus Spalte %2; aufgedeckt: %3.</translation>
    </message>
    <message>
        <source>All columns are empty; the cards are being read.</source>
        <extracomment>Said when the last column card went onto the waste and the reading begins.</extracomment>
        <translation>Alle Spalten sind leer; die Karten werden gedeutet.</translation>
    </message>
    <message>
        <source>New deal.</source>
        <extracomment>Said before the new position when the cards are dealt anew.</extracomment>
        <translation>Neues Spiel.</translation>
    </message>
    <message>
        <source>The reading: %1</source>
        <extracomment>Said when the reading ends: %1 its omens, each followed by a full stop.</extracomment>
        <translation>Die Deutung: %1</translation>
    </message>
</context>
</TS>
