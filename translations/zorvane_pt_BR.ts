<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
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
</context>
</TS>
