<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <extracomment>After a wrong command line; %1 is the program&apos;s name.</extracomment>
        <translation>Tente “%1 --help” para mais informações.</translation>
    </message>
    <message>
        <source>A card-divination patience game: play out the deal and read the omens.</source>
        <extracomment>The line that --help prints about the program.</extracomment>
        <translation>Uma paciência divinatória: jogue a rodada e leia os presságios.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <extracomment>A word on the command line the program does not take; %1 is that word.</extracomment>
        <translation>Argumento inesperado “%1”.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>You can visit web page : </source>
        <extracomment>The About window&apos;s line before the home page&apos;s address, which follows on the same line.</extracomment>
        <translation>Visite o site: </translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <extracomment>The button that closes the About window.</extracomment>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The About window&apos;s title; %1 is the program&apos;s name, &quot;Zorvane 1.2&quot;.</extracomment>
        <translation>Sobre o %1</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 The Zorvane developers</source>
        <extracomment>The About window&apos;s copyright line.</extracomment>
        <translation>Copyright (C) 2026 Os desenvolvedores do Zorvane</translation>
    </message>
    <message>
        <source>Zorvane emblem</source>
        <extracomment>What a screen reader calls the About window&apos;s picture.</extracomment>
        <translation>Emblema do Zorvane</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Zorvane Online Help</source>
        <extracomment>The Help window&apos;s title.</extracomment>
        <translation>Ajuda on-line do Zorvane</translation>
    </message>
    <message>
        <source>Zorvane Help</source>
        <extracomment>The Help window&apos;s heading, in large letters; at most 396 pixels.</extracomment>
        <translation>Ajuda do Zorvane</translation>
    </message>
    <message>
        <source>Open Online Help</source>
        <extracomment>A link, not a button: it opens the manual in the browser.</extracomment>
        <translation>Abrir a ajuda on-line</translation>
    </message>
    <message>
        <source>You must be connected to the Internet to view the online help files.</source>
        <extracomment>The Help window&apos;s note under the link; one line of at most 393 pixels.</extracomment>
        <translation>É preciso estar conectado à Internet para ver a ajuda on-line.</translation>
    </message>
</context>
<context>
    <name>ocxZorvane</name>
    <message>
        <source>&amp;Prediction</source>
        <extracomment>Button that deals a new game, asking the cards again. &apos;&amp;&apos; goes before the access key (Alt and that letter), which no other button of the window may use. Every button is 85 pixels wide. Chinese, Japanese and Korean put a Latin letter in brackets after the caption: &quot;占卜(&amp;P)&quot;.</extracomment>
        <translation>&amp;Previsão</translation>
    </message>
    <message>
        <source>&amp;New Back</source>
        <extracomment>Button that takes the next picture for the backs of the cards and deals again.</extracomment>
        <translation>&amp;Novo verso</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>Button that opens the Help window, which leads to the manual.</extracomment>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <extracomment>Button that opens the About window: the program&apos;s version and home page.</extracomment>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>Ask the cards, read the omen</source>
        <extracomment>The line under the home page on the board, inviting the player; at most 199 pixels.</extracomment>
        <translation>Pergunte às cartas, leia o presságio</translation>
    </message>
    <message>
        <source>God&apos;s design is unknown !</source>
        <extracomment>Message box when a deal is blocked or a reading finds no pair: fate will not be read this time. A solemn saying, such as that the ways of Providence are beyond knowing.</extracomment>
        <translation>Os desígnios de Deus são um mistério!</translation>
    </message>
    <message>
        <source>Everything goes my way</source>
        <extracomment>The omen of a pair of Aces. A good wish come true: everything turns out as you hope. Use the language&apos;s own saying for plain sailing.</extracomment>
        <translation>Tudo corre a meu favor</translation>
    </message>
    <message>
        <source>It&apos;s no good doing everything</source>
        <extracomment>The omen of a pair of Twos. Trying to do everything at once gets nothing done: do not take on too much. A warning, as in the saying that who grasps at all loses all.</extracomment>
        <translation>Quem tudo quer, tudo perde</translation>
    </message>
    <message>
        <source>Difficult</source>
        <extracomment>The omen of a pair of Threes. A warning that things will be hard, said as an omen (&quot;it will be difficult&quot;), not a sigh of resignation.</extracomment>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>All roads lead to Rome</source>
        <extracomment>The omen of a pair of Fours. There are many ways to the goal. Use the language&apos;s own form of the saying.</extracomment>
        <translation>Todos os caminhos levam a Roma</translation>
    </message>
    <message>
        <source>Avoid falling a prey to a plot</source>
        <extracomment>The omen of a pair of Fives. A warning: beware of a scheme or trap laid against you.</extracomment>
        <translation>Cuidado com as intrigas</translation>
    </message>
    <message>
        <source>Grant whatever is requested</source>
        <extracomment>The omen of a pair of Sixes. A promise: every wish or request will be granted, as by a power that answers every prayer.</extracomment>
        <translation>Todo pedido será atendido</translation>
    </message>
    <message>
        <source>Undependable</source>
        <extracomment>The omen of a pair of Sevens. Someone or something cannot be relied on; a warning, one or two words.</extracomment>
        <translation>Pouco confiável</translation>
    </message>
    <message>
        <source>Enjoy success</source>
        <extracomment>The omen of a pair of Eights. Success is coming and is yours to enjoy.</extracomment>
        <translation>Aproveite o sucesso</translation>
    </message>
    <message>
        <source>A loss may turn out to be a gain and vice versa</source>
        <extracomment>The omen of a pair of Nines. Misfortune may prove a blessing, and good fortune a misfortune. Use the language&apos;s own saying where it has one.</extracomment>
        <translation>Há males que vêm para bem, e vice-versa</translation>
    </message>
    <message>
        <source>It&apos;s perfect in every way and leaves nothing to be desired</source>
        <extracomment>The omen of a pair of Tens. Perfect, flawless: use the language&apos;s set phrase for leaving nothing to be desired.</extracomment>
        <translation>Perfeito em tudo, não deixa nada a desejar</translation>
    </message>
    <message>
        <source>Bicker endlessly between female members of a family</source>
        <extracomment>The omen of a pair of Jacks. Endless quarrels among the women of one household (sisters-in- law, mother and daughters-in-law): strife at home.</extracomment>
        <translation>Brigas sem fim entre as mulheres da família</translation>
    </message>
    <message>
        <source>Woman outside is water</source>
        <extracomment>The omen of a pair of Queens. The old saying that a daughter married out of the family is like water poured out: she belongs to another household now and cannot be called back. Not a woman abroad, nor another man&apos;s wife.</extracomment>
        <translation>Filha casada é água derramada</translation>
    </message>
    <message>
        <source>As you sow, so will you reap</source>
        <extracomment>The omen of a pair of Kings. Your deeds bring their due result. Use the language&apos;s own form of the saying.</extracomment>
        <translation>Cada um colhe o que planta</translation>
    </message>
    <message>
        <source>Ace</source>
        <extracomment>A rank in a card&apos;s name, for a screen reader: the %1 of &quot;%1 of %2&quot;.</extracomment>
        <translation>Ás</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Dois</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Três</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Quatro</translation>
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
        <translation>Sete</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Oito</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Nove</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Dez</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Valete</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dama</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Rei</translation>
    </message>
    <message>
        <source>clubs</source>
        <extracomment>A suit in a card&apos;s name, for a screen reader: the %2 of &quot;%1 of %2&quot;.</extracomment>
        <translation>paus</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>ouros</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>copas</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>espadas</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: %1 its rank, %2 its suit.</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>being read</source>
        <extracomment>Said of the waste pile (after &quot;Waste:&quot;) while the reading lays its cards out.</extracomment>
        <translation>em leitura</translation>
    </message>
    <message>
        <source>1 card</source>
        <extracomment>The number of cards in the stock (after &quot;Stock:&quot;), or left in it after a stock card was turned.</extracomment>
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
        <extracomment>What a screen reader says of the board: %1 the waste&apos;s top card, %2 the top cards of the five columns, left to right, joined by commas, %3 the number of cards in the stock.</extracomment>
        <translation>Descarte: %1. Colunas: %2. Monte: %3.</translation>
    </message>
    <message>
        <source>Omens:</source>
        <extracomment>For a screen reader, before the omens of a reading, one on each line.</extracomment>
        <translation>Presságios:</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>What a screen reader calls the playing area.</extracomment>
        <translation>Mesa</translation>
    </message>
    <message>
        <source>Keys 1 to 5 move that column&apos;s top card onto the waste; Space or 0 turns the top stock card.</source>
        <extracomment>Screen-reader help on the playing area. Key 1 moves the top card of the first column, key 2 that of the second, and so on to 5: each key its corresponding column. Space or 0 turns the stock&apos;s top card onto the waste.</extracomment>
        <translation>As teclas de 1 a 5 levam a carta do topo da coluna correspondente para o descarte; Espaço ou 0 vira a carta do topo do monte.</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>the waste</comment>
        <extracomment>Said of the waste pile (after &quot;Waste:&quot;) once the reading has laid all its cards out.</extracomment>
        <translation>vazio</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>a column</comment>
        <extracomment>Said of one column (in the list after &quot;Columns:&quot;) that has no card.</extracomment>
        <translation>vazia</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>the stock</comment>
        <extracomment>Said of the stock (after &quot;Stock:&quot;) when it has no card left.</extracomment>
        <translation>vazio</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the columns</comment>
        <extracomment>Between the top cards of the columns in the list after &quot;Columns:&quot;; Chinese and Japanese lists take &quot;、&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 from the stock; the stock is empty.</source>
        <extracomment>After a stock card was turned onto the waste: %1 the card.</extracomment>
        <translation>%1 do monte; o monte está vazio.</translation>
    </message>
    <message>
        <source>%1 from the stock; %2 left.</source>
        <extracomment>After a stock card was turned onto the waste: %1 the card, %2 the cards left (&quot;25 cards&quot;).</extracomment>
        <translation>%1 do monte; no monte: %2.</translation>
    </message>
    <message>
        <source>%1 from column %2; the column is empty.</source>
        <extracomment>After a column&apos;s top card was moved onto the waste: %1 the card, %2 the column&apos;s number.</extracomment>
        <translation>%1 da coluna %2; a coluna está vazia.</translation>
    </message>
    <message>
        <source>%1 from column %2; %3 turned up.</source>
        <extracomment>After a column&apos;s top card was moved onto the waste: %1 the card, %2 the column&apos;s number, %3 the card beneath, which turned face up.</extracomment>
        <translation>%1 da coluna %2; aparece %3.</translation>
    </message>
    <message>
        <source>All columns are empty; the cards are being read.</source>
        <extracomment>Said when the last column card went onto the waste and the reading begins.</extracomment>
        <translation>Todas as colunas estão vazias; as cartas estão sendo lidas.</translation>
    </message>
    <message>
        <source>New deal.</source>
        <extracomment>Said before the new position when the cards are dealt anew.</extracomment>
        <translation>Nova rodada.</translation>
    </message>
    <message>
        <source>The reading: %1</source>
        <extracomment>Said when the reading ends: %1 its omens, each followed by a full stop.</extracomment>
        <translation>A leitura: %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>two sentences</comment>
        <extracomment>Two sentences spoken one after the other, %1 then %2, each ending with its full stop. Chinese and Japanese write them with no space between: &quot;%1%2&quot;.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>. </source>
        <comment>between omens</comment>
        <extracomment>Between two omens of the reading as it is spoken: the full stop that ends the first, and the space before the next. Chinese and Japanese take &quot;。&quot; with no space.</extracomment>
        <translation>. </translation>
    </message>
    <message>
        <source>.</source>
        <comment>after the last omen</comment>
        <extracomment>After the last omen of the reading as it is spoken. Chinese and Japanese take &quot;。&quot;.</extracomment>
        <translation>.</translation>
    </message>
</context>
</TS>
