<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Typ &apos;%1 --help&apos; voor meer informatie.</translation>
    </message>
    <message>
        <source>A card-divination patience game: play out the deal and read the omens.</source>
        <translation>Een waarzegpatience: speel het spel uit en lees de voortekens.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Onverwacht argument &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>You can visit web page : </source>
        <translation>Bezoek de website: </translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Over %1</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 The Zorvane developers</source>
        <translation>Copyright (C) 2026 De ontwikkelaars van Zorvane</translation>
    </message>
    <message>
        <source>Zorvane emblem</source>
        <translation>Embleem van Zorvane</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Zorvane Online Help</source>
        <translation>Zorvane online help</translation>
    </message>
    <message>
        <source>Zorvane Help</source>
        <translation>Zorvane help</translation>
    </message>
    <message>
        <source>Open Online Help</source>
        <translation>Online help openen</translation>
    </message>
    <message>
        <source>You must be connected to the Internet to view the online help files.</source>
        <translation>Voor de online help is een internetverbinding nodig.</translation>
    </message>
</context>
<context>
    <name>ocxZorvane</name>
    <message>
        <source>&amp;Prediction</source>
        <translation>&amp;Voorspelling</translation>
    </message>
    <message>
        <source>&amp;New Back</source>
        <translation>Nieuwe &amp;rug</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over</translation>
    </message>
    <message>
        <source>Ask the cards, read the omen</source>
        <translation>Vraag de kaarten, lees het voorteken</translation>
    </message>
    <message>
        <source>God&apos;s design is unknown !</source>
        <translation>Gods wegen zijn ondoorgrondelijk!</translation>
    </message>
    <message>
        <source>Everything goes my way</source>
        <translation>Alles gaat naar wens</translation>
    </message>
    <message>
        <source>It&apos;s no good doing everything</source>
        <translation>Wie alles doet, doet niets goed</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Moeilijk</translation>
    </message>
    <message>
        <source>All roads lead to Rome</source>
        <translation>Alle wegen leiden naar Rome</translation>
    </message>
    <message>
        <source>Avoid falling a prey to a plot</source>
        <translation>Pas op voor een valstrik</translation>
    </message>
    <message>
        <source>Grant whatever is requested</source>
        <translation>Elk verzoek wordt ingewilligd</translation>
    </message>
    <message>
        <source>Undependable</source>
        <translation>Onbetrouwbaar</translation>
    </message>
    <message>
        <source>Enjoy success</source>
        <translation>Geniet van het succes</translation>
    </message>
    <message>
        <source>A loss may turn out to be a gain and vice versa</source>
        <translation>Een verlies kan een winst blijken, en omgekeerd</translation>
    </message>
    <message>
        <source>It&apos;s perfect in every way and leaves nothing to be desired</source>
        <translation>Volmaakt in alles, er valt niets meer te wensen</translation>
    </message>
    <message>
        <source>Bicker endlessly between female members of a family</source>
        <translation>Eindeloos gekibbel tussen de vrouwen van de familie</translation>
    </message>
    <message>
        <source>Woman outside is water</source>
        <translation>De vrouw buitenshuis is water</translation>
    </message>
    <message>
        <source>As you sow, so will you reap</source>
        <translation>Wat je zaait, zul je oogsten</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>aas</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>twee</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>drie</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>vier</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>vijf</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>zes</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>zeven</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>acht</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>negen</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>tien</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>boer</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>vrouw</translation>
    </message>
    <message>
        <source>King</source>
        <translation>heer</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>klaveren</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>ruiten</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>harten</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>schoppen</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leeg</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: %1 its rank, %2 its suit.</extracomment>
        <translation>%2 %1</translation>
    </message>
    <message>
        <source>being read</source>
        <translation>wordt geduid</translation>
    </message>
    <message>
        <source>1 card</source>
        <translation>1 kaart</translation>
    </message>
    <message numerus="yes">
        <source>%n cards</source>
        <translation>
            <numerusform>%n kaart</numerusform>
            <numerusform>%n kaarten</numerusform>
        </translation>
    </message>
    <message>
        <source>Waste: %1. Columns: %2. Stock: %3.</source>
        <translation>Aflegstapel: %1. Kolommen: %2. Stapel: %3.</translation>
    </message>
    <message>
        <source>Omens:</source>
        <translation>Voortekens:</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Speelveld</translation>
    </message>
    <message>
        <source>Keys 1 to 5 move that column&apos;s top card onto the waste; Space or 0 turns the top stock card.</source>
        <translation>De toetsen 1 tot en met 5 leggen de bovenste kaart van die kolom op de aflegstapel; Spatie of 0 draait de bovenste kaart van de stapel om.</translation>
    </message>
    <message>
        <source>%1 from the stock; the stock is empty.</source>
        <extracomment>After a stock card was turned onto the waste: %1 the card.</extracomment>
        <translation>%1 van de stapel; de stapel is leeg.</translation>
    </message>
    <message>
        <source>%1 from the stock; %2 left.</source>
        <extracomment>After a stock card was turned onto the waste: %1 the card, %2 the cards left (&quot;25 cards&quot;).</extracomment>
        <translation>%1 van de stapel; nog %2.</translation>
    </message>
    <message>
        <source>%1 from column %2; the column is empty.</source>
        <extracomment>After a column&apos;s top card was moved onto the waste: %1 the card, %2 the column&apos;s number.</extracomment>
        <translation>%1 uit kolom %2; de kolom is leeg.</translation>
    </message>
    <message>
        <source>%1 from column %2; %3 turned up.</source>
        <extracomment>After a column&apos;s top card was moved onto the waste: %1 the card, %2 the column&apos;s number, %3 the card beneath, which turned face up.</extracomment>
        <translation>%1 uit kolom %2; nu open: %3.</translation>
    </message>
    <message>
        <source>All columns are empty; the cards are being read.</source>
        <extracomment>Said when the last column card went onto the waste and the reading begins.</extracomment>
        <translation>Alle kolommen zijn leeg; de kaarten worden geduid.</translation>
    </message>
    <message>
        <source>New deal.</source>
        <extracomment>Said before the new position when the cards are dealt anew.</extracomment>
        <translation>Nieuw spel.</translation>
    </message>
    <message>
        <source>The reading: %1</source>
        <extracomment>Said when the reading ends: %1 its omens, each followed by a full stop.</extracomment>
        <translation>De duiding: %1</translation>
    </message>
</context>
</TS>
