<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Pruebe &apos;%1 --help&apos; para más información.</translation>
    </message>
    <message>
        <source>A card-divination patience game: play out the deal and read the omens.</source>
        <translation>Un solitario adivinatorio: juega el reparto y lee los presagios.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>You can visit web page : </source>
        <translation>Visita la web: </translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 The Zorvane developers</source>
        <translation>Copyright (C) 2026 Los desarrolladores de Zorvane</translation>
    </message>
    <message>
        <source>Zorvane emblem</source>
        <translation>Emblema de Zorvane</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Zorvane Online Help</source>
        <translation>Ayuda en línea de Zorvane</translation>
    </message>
    <message>
        <source>Zorvane Help</source>
        <translation>Ayuda de Zorvane</translation>
    </message>
    <message>
        <source>Open Online Help</source>
        <translation>Abrir la ayuda en línea</translation>
    </message>
    <message>
        <source>You must be connected to the Internet to view the online help files.</source>
        <translation>Para ver la ayuda en línea necesitas conexión a Internet.</translation>
    </message>
</context>
<context>
    <name>ocxZorvane</name>
    <message>
        <source>&amp;Prediction</source>
        <translation>&amp;Predicción</translation>
    </message>
    <message>
        <source>&amp;New Back</source>
        <translation>&amp;Nuevo dorso</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Ask the cards, read the omen</source>
        <translation>Pregunta a las cartas, lee el presagio</translation>
    </message>
    <message>
        <source>God&apos;s design is unknown !</source>
        <translation>¡Los designios de Dios son un misterio!</translation>
    </message>
    <message>
        <source>Everything goes my way</source>
        <translation>Todo me sale a pedir de boca</translation>
    </message>
    <message>
        <source>It&apos;s no good doing everything</source>
        <translation>Quien mucho abarca, poco aprieta</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>All roads lead to Rome</source>
        <translation>Todos los caminos llevan a Roma</translation>
    </message>
    <message>
        <source>Avoid falling a prey to a plot</source>
        <translation>Guárdate de las intrigas</translation>
    </message>
    <message>
        <source>Grant whatever is requested</source>
        <translation>Lo que se pida, se concederá</translation>
    </message>
    <message>
        <source>Undependable</source>
        <translation>Poco fiable</translation>
    </message>
    <message>
        <source>Enjoy success</source>
        <translation>Disfruta del éxito</translation>
    </message>
    <message>
        <source>A loss may turn out to be a gain and vice versa</source>
        <translation>No hay mal que por bien no venga, y viceversa</translation>
    </message>
    <message>
        <source>It&apos;s perfect in every way and leaves nothing to be desired</source>
        <translation>Perfecto en todo, no deja nada que desear</translation>
    </message>
    <message>
        <source>Bicker endlessly between female members of a family</source>
        <translation>Riñas sin fin entre las mujeres de la familia</translation>
    </message>
    <message>
        <source>Woman outside is water</source>
        <translation>La mujer de fuera es agua</translation>
    </message>
    <message>
        <source>As you sow, so will you reap</source>
        <translation>Cosecharás lo que siembres</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Dos</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Tres</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Cuatro</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinco</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Seis</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Siete</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Ocho</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Nueve</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Diez</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Jota</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Reina</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Rey</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>tréboles</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>diamantes</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>corazones</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>picas</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacío</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: %1 its rank, %2 its suit.</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>being read</source>
        <translation>en lectura</translation>
    </message>
    <message>
        <source>1 card</source>
        <translation>1 carta</translation>
    </message>
    <message numerus="yes">
        <source>%n cards</source>
        <translation>
            <numerusform>%n carta</numerusform>
            <numerusform>%n cartas</numerusform>
        </translation>
    </message>
    <message>
        <source>Waste: %1. Columns: %2. Stock: %3.</source>
        <translation>Descarte: %1. Columnas: %2. Mazo: %3.</translation>
    </message>
    <message>
        <source>Omens:</source>
        <translation>Presagios:</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>Keys 1 to 5 move that column&apos;s top card onto the waste; Space or 0 turns the top stock card.</source>
        <translation>Las teclas 1 a 5 ponen la carta superior de esa columna en el descarte; Espacio o 0 da la vuelta a la carta superior del mazo.</translation>
    </message>
    <message>
        <source>%1 from the stock; the stock is empty.</source>
        <extracomment>After a stock card was turned onto the waste: %1 the card.</extracomment>
        <translation>%1 del mazo; el mazo está vacío.</translation>
    </message>
    <message>
        <source>%1 from the stock; %2 left.</source>
        <extracomment>After a stock card was turned onto the waste: %1 the card, %2 the cards left (&quot;25 cards&quot;).</extracomment>
        <translation>%1 del mazo; en el mazo: %2.</translation>
    </message>
    <message>
        <source>%1 from column %2; the column is empty.</source>
        <extracomment>After a column&apos;s top card was moved onto the waste: %1 the card, %2 the column&apos;s number.</extracomment>
        <translation>%1 de la columna %2; la columna está vacía.</translation>
    </message>
    <message>
        <source>%1 from column %2; %3 turned up.</source>
        <extracomment>After a column&apos;s top card was moved onto the waste: %1 the card, %2 the column&apos;s number, %3 the card beneath, which turned face up.</extracomment>
        <translation>%1 de la columna %2; se descubre %3.</translation>
    </message>
    <message>
        <source>All columns are empty; the cards are being read.</source>
        <extracomment>Said when the last column card went onto the waste and the reading begins.</extracomment>
        <translation>Todas las columnas están vacías; se leen las cartas.</translation>
    </message>
    <message>
        <source>New deal.</source>
        <extracomment>Said before the new position when the cards are dealt anew.</extracomment>
        <translation>Nuevo reparto.</translation>
    </message>
    <message>
        <source>The reading: %1</source>
        <extracomment>Said when the reading ends: %1 its omens, each followed by a full stop.</extracomment>
        <translation>La lectura: %1</translation>
    </message>
</context>
</TS>
