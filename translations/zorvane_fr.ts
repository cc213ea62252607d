<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
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
</context>
</TS>
