<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Usare &quot;%1 --help&quot; per maggiori informazioni.</translation>
    </message>
    <message>
        <source>A card-divination patience game: play out the deal and read the omens.</source>
        <translation>Un solitario divinatorio: gioca la smazzata e leggi i presagi.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argomento inatteso &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>You can visit web page : </source>
        <translation>Visita il sito: </translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 The Zorvane developers</source>
        <translation>Copyright (C) 2026 Gli sviluppatori di Zorvane</translation>
    </message>
    <message>
        <source>Zorvane emblem</source>
        <translation>Emblema di Zorvane</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Zorvane Online Help</source>
        <translation>Guida in linea di Zorvane</translation>
    </message>
    <message>
        <source>Zorvane Help</source>
        <translation>Guida di Zorvane</translation>
    </message>
    <message>
        <source>Open Online Help</source>
        <translation>Apri la guida in linea</translation>
    </message>
    <message>
        <source>You must be connected to the Internet to view the online help files.</source>
        <translation>Per consultare la guida in linea serve una connessione a Internet.</translation>
    </message>
</context>
<context>
    <name>ocxZorvane</name>
    <message>
        <source>&amp;Prediction</source>
        <translation>&amp;Predizione</translation>
    </message>
    <message>
        <source>&amp;New Back</source>
        <translation>&amp;Nuovo dorso</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;iuto</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>In&amp;formazioni</translation>
    </message>
    <message>
        <source>Ask the cards, read the omen</source>
        <translation>Interroga le carte, leggi il presagio</translation>
    </message>
    <message>
        <source>God&apos;s design is unknown !</source>
        <translation>Il disegno di Dio è ignoto!</translation>
    </message>
    <message>
        <source>Everything goes my way</source>
        <translation>Tutto mi va a gonfie vele</translation>
    </message>
    <message>
        <source>It&apos;s no good doing everything</source>
        <translation>Chi troppo vuole nulla stringe</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>All roads lead to Rome</source>
        <translation>Tutte le strade portano a Roma</translation>
    </message>
    <message>
        <source>Avoid falling a prey to a plot</source>
        <translation>Guardati dagli intrighi</translation>
    </message>
    <message>
        <source>Grant whatever is requested</source>
        <translation>Ogni richiesta sarà esaudita</translation>
    </message>
    <message>
        <source>Undependable</source>
        <translation>Inaffidabile</translation>
    </message>
    <message>
        <source>Enjoy success</source>
        <translation>Goditi il successo</translation>
    </message>
    <message>
        <source>A loss may turn out to be a gain and vice versa</source>
        <translation>Non tutto il male vien per nuocere, e viceversa</translation>
    </message>
    <message>
        <source>It&apos;s perfect in every way and leaves nothing to be desired</source>
        <translation>Perfetto in tutto, non lascia nulla a desiderare</translation>
    </message>
    <message>
        <source>Bicker endlessly between female members of a family</source>
        <translation>Liti senza fine tra le donne di casa</translation>
    </message>
    <message>
        <source>Woman outside is water</source>
        <translation>La donna di fuori è acqua</translation>
    </message>
    <message>
        <source>As you sow, so will you reap</source>
        <translation>Chi semina raccoglie</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>Asso</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Due</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Tre</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Quattro</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinque</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Sei</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sette</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Otto</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Nove</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Dieci</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Fante</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Donna</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Re</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>fiori</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>quadri</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>cuori</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>picche</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vuoto</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: %1 its rank, %2 its suit.</extracomment>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>being read</source>
        <translation>in lettura</translation>
    </message>
    <message>
        <source>1 card</source>
        <translation>1 carta</translation>
    </message>
    <message numerus="yes">
        <source>%n cards</source>
        <translation>
            <numerusform>%n carta</numerusform>
            <numerusform>%n carte</numerusform>
        </translation>
    </message>
    <message>
        <source>Waste: %1. Columns: %2. Stock: %3.</source>
        <translation>Scarti: %1. Colonne: %2. Mazzo: %3.</translation>
    </message>
    <message>
        <source>Omens:</source>
        <translation>Presagi:</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tavolo</translation>
    </message>
    <message>
        <source>Keys 1 to 5 move that column&apos;s top card onto the waste; Space or 0 turns the top stock card.</source>
        <translation>I tasti da 1 a 5 spostano la carta in cima a quella colonna sugli scarti; Spazio o 0 gira la carta in cima al mazzo.</translation>
    </message>
    <message>
        <source>%1 from the stock; the stock is empty.</source>
        <extracomment>After a stock card was turned onto the waste: %1 the card.</extracomment>
        <translation>%1 dal mazzo; il mazzo è vuoto.</translation>
    </message>
    <message>
        <source>%1 from the stock; %2 left.</source>
        <extracomment>After a stock card was turned onto the waste: %1 the card, %2 the cards left (&quot;25 cards&quot;).</extracomment>
        <translation>%1 dal mazzo; nel mazzo: %2.</translation>
    </message>
    <message>
        <source>%1 from column %2; the column is empty.</source>
        <extracomment>After a column&apos;s top card was moved onto the waste: %1 the card, %2 the column&apos;s number.</extracomment>
        <translation>%1 dalla colonna %2; la colonna è vuota.</translation>
    </message>
    <message>
        <source>%1 from column %2; %3 turned up.</source>
        <extracomment>After a column&apos;s top card was moved onto the waste: %1 the card, %2 the column&apos;s number, %3 the card beneath, which turned face up.</extracomment>
        <translation>%1 dalla colonna %2; si scopre %3.</translation>
    </message>
    <message>
        <source>All columns are empty; the cards are being read.</source>
        <extracomment>Said when the last column card went onto the waste and the reading begins.</extracomment>
        <translation>Tutte le colonne sono vuote; si leggono le carte.</translation>
    </message>
    <message>
        <source>New deal.</source>
        <extracomment>Said before the new position when the cards are dealt anew.</extracomment>
        <translation>Nuova smazzata.</translation>
    </message>
    <message>
        <source>The reading: %1</source>
        <extracomment>Said when the reading ends: %1 its omens, each followed by a full stop.</extracomment>
        <translation>La lettura: %1</translation>
    </message>
</context>
</TS>
