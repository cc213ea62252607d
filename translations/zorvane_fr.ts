<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Saisissez « %1 --help » pour plus d&apos;informations.</translation>
    </message>
    <message>
        <source>A card-divination patience game: play out the deal and read the omens.</source>
        <translation>Une patience divinatoire : jouez la donne et lisez les présages.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu « %1 ».</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>You can visit web page : </source>
        <translation>Visitez notre site : </translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 The Zorvane developers</source>
        <translation>Copyright (C) 2026 Les développeurs de Zorvane</translation>
    </message>
    <message>
        <source>Zorvane emblem</source>
        <translation>Emblème de Zorvane</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Zorvane Online Help</source>
        <translation>Aide en ligne de Zorvane</translation>
    </message>
    <message>
        <source>Zorvane Help</source>
        <translation>Aide de Zorvane</translation>
    </message>
    <message>
        <source>Open Online Help</source>
        <translation>Ouvrir l&apos;aide en ligne</translation>
    </message>
    <message>
        <source>You must be connected to the Internet to view the online help files.</source>
        <translation>L&apos;aide en ligne nécessite une connexion à Internet.</translation>
    </message>
</context>
<context>
    <name>ocxZorvane</name>
    <message>
        <source>&amp;Prediction</source>
        <translation>&amp;Prédiction</translation>
    </message>
    <message>
        <source>&amp;New Back</source>
        <translation>Nouveau &amp;dos</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À pr&amp;opos</translation>
    </message>
    <message>
        <source>Ask the cards, read the omen</source>
        <translation>Interrogez les cartes, lisez le présage</translation>
    </message>
    <message>
        <source>God&apos;s design is unknown !</source>
        <translation>Le dessein de Dieu est inconnu !</translation>
    </message>
    <message>
        <source>Everything goes my way</source>
        <translation>Tout me sourit</translation>
    </message>
    <message>
        <source>It&apos;s no good doing everything</source>
        <translation>Qui trop embrasse mal étreint</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>All roads lead to Rome</source>
        <translation>Tous les chemins mènent à Rome</translation>
    </message>
    <message>
        <source>Avoid falling a prey to a plot</source>
        <translation>Méfiez-vous des complots</translation>
    </message>
    <message>
        <source>Grant whatever is requested</source>
        <translation>Toute demande sera exaucée</translation>
    </message>
    <message>
        <source>Undependable</source>
        <translation>Peu fiable</translation>
    </message>
    <message>
        <source>Enjoy success</source>
        <translation>Savourez le succès</translation>
    </message>
    <message>
        <source>A loss may turn out to be a gain and vice versa</source>
        <translation>Une perte peut devenir un gain, et inversement</translation>
    </message>
    <message>
        <source>It&apos;s perfect in every way and leaves nothing to be desired</source>
        <translation>Parfait en tout point, il n&apos;y a rien à désirer de plus</translation>
    </message>
    <message>
        <source>Bicker endlessly between female members of a family</source>
        <translation>Querelles sans fin entre les femmes de la famille</translation>
    </message>
    <message>
        <source>Woman outside is water</source>
        <translation>La femme au-dehors est de l&apos;eau</translation>
    </message>
    <message>
        <source>As you sow, so will you reap</source>
        <translation>On récolte ce que l&apos;on a semé</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Deux</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Trois</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Quatre</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinq</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Six</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sept</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Huit</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Neuf</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Dix</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Valet</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Roi</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>trèfle</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>carreau</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>cœur</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>pique</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: %1 its rank, %2 its suit.</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>being read</source>
        <translation>en cours de lecture</translation>
    </message>
    <message>
        <source>1 card</source>
        <translation>1 carte</translation>
    </message>
    <message numerus="yes">
        <source>%n cards</source>
        <translation>
            <numerusform>%n carte</numerusform>
            <numerusform>%n cartes</numerusform>
        </translation>
    </message>
    <message>
        <source>Waste: %1. Columns: %2. Stock: %3.</source>
        <translation>Défausse : %1. Colonnes : %2. Talon : %3.</translation>
    </message>
    <message>
        <source>Omens:</source>
        <translation>Présages :</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>Keys 1 to 5 move that column&apos;s top card onto the waste; Space or 0 turns the top stock card.</source>
        <translation>Les touches 1 à 5 posent la carte du dessus de cette colonne sur la défausse ; Espace ou 0 retourne la carte du dessus du talon.</translation>
    </message>
    <message>
        <source>%1 from the stock; the stock is empty.</source>
        <extracomment>After a stock card was turned onto the waste: %1 the card.</extracomment>
        <translation>%1 du talon ; le talon est vide.</translation>
    </message>
    <message>
        <source>%1 from the stock; %2 left.</source>
        <extracomment>After a stock card was turned onto the waste: %1 the card, %2 the cards left (&quot;25 cards&quot;).</extracomment>
        <translation>%1 du talon ; encore %2.</translation>
    </message>
    <message>
        <source>%1 from column %2; the column is empty.</source>
        <extracomment>After a column&apos;s top card was moved onto the waste: %1 the card, %2 the column&apos;s number.</extracomment>
        <translation>%1 de la colonne %2 ; la colonne est vide.</translation>
    </message>
    <message>
        <source>%1 from column %2; %3 turned up.</source>
        <extracomment>After a column&apos;s top card was moved onto the waste: %1 the card, %2 the column&apos;s number, %3 the card beneath, which turned face up.</extracomment>
        <translation>%1 de la colonne %2 ; dessous : %3.</translation>
    </message>
    <message>
        <source>All columns are empty; the cards are being read.</source>
        <extracomment>Said when the last column card went onto the waste and the reading begins.</extracomment>
        <translation>Toutes les colonnes sont vides ; les cartes vont parler.</translation>
    </message>
    <message>
        <source>New deal.</source>
        <extracomment>Said before the new position when the cards are dealt anew.</extracomment>
        <translation>Nouvelle donne.</translation>
    </message>
    <message>
        <source>The reading: %1</source>
        <extracomment>Said when the reading ends: %1 its omens, each followed by a full stop.</extracomment>
        <translation>La lecture : %1</translation>
    </message>
</context>
</TS>
