<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
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
</context>
</TS>
