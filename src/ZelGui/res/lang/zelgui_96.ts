<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>ZelCore</name>
    <message>
        <location filename="../../GuiUtils.cpp" line="0"/>
        <source>Black</source>
        <translation>Чёрный</translation>
    </message>
    <message>
        <location filename="../../GuiUtils.cpp" line="0"/>
        <source>White</source>
        <translation>Белый</translation>
    </message>
    <message>
        <location filename="../../GuiUtils.cpp" line="0"/>
        <source>Red</source>
        <translation>Красный</translation>
    </message>
    <message>
        <location filename="../../GuiUtils.cpp" line="0"/>
        <source>Dark red</source>
        <translation>Тёмно-красный</translation>
    </message>
    <message>
        <location filename="../../GuiUtils.cpp" line="0"/>
        <source>Green</source>
        <translation>Зелёный</translation>
    </message>
    <message>
        <location filename="../../GuiUtils.cpp" line="0"/>
        <source>Dark green</source>
        <translation>Тёмно-зелёный</translation>
    </message>
    <message>
        <location filename="../../GuiUtils.cpp" line="0"/>
        <source>Blue</source>
        <translation>Синий</translation>
    </message>
    <message>
        <location filename="../../GuiUtils.cpp" line="0"/>
        <source>Dark blue</source>
        <translation>Тёмно-синий</translation>
    </message>
    <message>
        <location filename="../../GuiUtils.cpp" line="0"/>
        <source>Cyan</source>
        <translation>Голубой</translation>
    </message>
    <message>
        <location filename="../../GuiUtils.cpp" line="0"/>
        <source>Dark cyan</source>
        <translation>Тёмно-голубой</translation>
    </message>
    <message>
        <location filename="../../GuiUtils.cpp" line="0"/>
        <source>Magenta</source>
        <translation>Пурпурный</translation>
    </message>
    <message>
        <location filename="../../GuiUtils.cpp" line="0"/>
        <source>Dark magenta</source>
        <translation>Тёмно-пурпурный</translation>
    </message>
    <message>
        <location filename="../../GuiUtils.cpp" line="0"/>
        <source>Yellow</source>
        <translation>Жёлтый</translation>
    </message>
    <message>
        <location filename="../../GuiUtils.cpp" line="0"/>
        <source>Dark yellow</source>
        <translation>Тёмно-жёлтый</translation>
    </message>
    <message>
        <location filename="../../GuiUtils.cpp" line="0"/>
        <source>Gray</source>
        <translation>Серый</translation>
    </message>
    <message>
        <location filename="../../GuiUtils.cpp" line="0"/>
        <source>Dark gray</source>
        <translation>Тёмно-серый</translation>
    </message>
    <message>
        <location filename="../../GuiUtils.cpp" line="0"/>
        <source>Light gray</source>
        <translation>Светло-серый</translation>
    </message>
    <message>
        <location filename="../../GuiUtils.cpp" line="0"/>
        <source>Transparent</source>
        <translation>Прозрачный</translation>
    </message>
</context>
</TS>
