<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Tente &quot;%1 --help&quot; para mais informações.</translation>
    </message>
    <message>
        <source>A card-divination patience game: play out the deal and read the omens.</source>
        <translation>Uma paciência divinatória: jogue a rodada e leia os presságios.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>You can visit web page : </source>
        <translation>Visite o site: </translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Sobre o %1</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 The Zorvane developers</source>
        <translation>Copyright (C) 2026 Os desenvolvedores do Zorvane</translation>
    </message>
    <message>
        <source>Zorvane emblem</source>
        <translation>Emblema do Zorvane</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Zorvane Online Help</source>
        <translation>Ajuda on-line do Zorvane</translation>
    </message>
    <message>
        <source>Zorvane Help</source>
        <translation>Ajuda do Zorvane</translation>
    </message>
    <message>
        <source>Open Online Help</source>
        <translation>Abrir a ajuda on-line</translation>
    </message>
    <message>
        <source>You must be connected to the Internet to view the online help files.</source>
        <translation>É preciso estar conectado à Internet para ver a ajuda on-line.</translation>
    </message>
</context>
<context>
    <name>ocxZorvane</name>
    <message>
        <source>&amp;Prediction</source>
        <translation>&amp;Previsão</translation>
    </message>
    <message>
        <source>&amp;New Back</source>
        <translation>&amp;Novo verso</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>Ask the cards, read the omen</source>
        <translation>Pergunte às cartas, leia o presságio</translation>
    </message>
    <message>
        <source>God&apos;s design is unknown !</source>
        <translation>Os desígnios de Deus são um mistério!</translation>
    </message>
    <message>
        <source>Everything goes my way</source>
        <translation>Tudo corre a meu favor</translation>
    </message>
    <message>
        <source>It&apos;s no good doing everything</source>
        <translation>Quem tudo quer, tudo perde</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>All roads lead to Rome</source>
        <translation>Todos os caminhos levam a Roma</translation>
    </message>
    <message>
        <source>Avoid falling a prey to a plot</source>
        <translation>Cuidado com as intrigas</translation>
    </message>
    <message>
        <source>Grant whatever is requested</source>
        <translation>Todo pedido será atendido</translation>
    </message>
    <message>
        <source>Undependable</source>
        <translation>Pouco confiável</translation>
    </message>
    <message>
        <source>Enjoy success</source>
        <translation>Aproveite o sucesso</translation>
    </message>
    <message>
        <source>A loss may turn out to be a gain and vice versa</source>
        <translation>Há males que vêm para bem, e vice-versa</translation>
    </message>
    <message>
        <source>It&apos;s perfect in every way and leaves nothing to be desired</source>
        <translation>Perfeito em tudo, não deixa nada a desejar</translation>
    </message>
    <message>
        <source>Bicker endlessly between female members of a family</source>
        <translation>Brigas sem fim entre as mulheres da família</translation>
    </message>
    <message>
        <source>Woman outside is water</source>
        <translation>Mulher de fora é água</translation>
    </message>
    <message>
        <source>As you sow, so will you reap</source>
        <translation>Cada um colhe o que planta</translation>
    </message>
    <message>
        <source>Ace</source>
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
        <source>empty</source>
        <translation>vazio</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: %1 its rank, %2 its suit.</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>being read</source>
        <translation>em leitura</translation>
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
        <translation>Descarte: %1. Colunas: %2. Monte: %3.</translation>
    </message>
    <message>
        <source>Omens:</source>
        <translation>Presságios:</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Mesa</translation>
    </message>
    <message>
        <source>Keys 1 to 5 move that column&apos;s top card onto the waste; Space or 0 turns the top stock card.</source>
        <translation>As teclas 1 a 5 levam a carta do topo dessa coluna para o descarte; Espaço ou 0 vira a carta do topo do monte.</translation>
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
</context>
</TS>
