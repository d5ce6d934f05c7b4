<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
    <context>
        <name>QProgressBar</name>
        <message>
            <source>%1 sec</source>
            <translation>%1 с</translation>
        </message>
    </context>
    <context>
        <name>ZelCore</name>
        <message>
            <location filename="../../GuiUtils.cpp" line="0" />
            <source>Black</source>
            <translation>Чёрный</translation>
        </message>
        <message>
            <location filename="../../GuiUtils.cpp" line="0" />
            <source>White</source>
            <translation>Белый</translation>
        </message>
        <message>
            <location filename="../../GuiUtils.cpp" line="0" />
            <source>Red</source>
            <translation>Красный</translation>
        </message>
        <message>
            <location filename="../../GuiUtils.cpp" line="0" />
            <source>Dark red</source>
            <translation>Тёмно-красный</translation>
        </message>
        <message>
            <location filename="../../GuiUtils.cpp" line="0" />
            <source>Green</source>
            <translation>Зелёный</translation>
        </message>
        <message>
            <location filename="../../GuiUtils.cpp" line="0" />
            <source>Dark green</source>
            <translation>Тёмно-зелёный</translation>
        </message>
        <message>
            <location filename="../../GuiUtils.cpp" line="0" />
            <source>Blue</source>
            <translation>Синий</translation>
        </message>
        <message>
            <location filename="../../GuiUtils.cpp" line="0" />
            <source>Dark blue</source>
            <translation>Тёмно-синий</translation>
        </message>
        <message>
            <location filename="../../GuiUtils.cpp" line="0" />
            <source>Cyan</source>
            <translation>Голубой</translation>
        </message>
        <message>
            <location filename="../../GuiUtils.cpp" line="0" />
            <source>Dark cyan</source>
            <translation>Тёмно-голубой</translation>
        </message>
        <message>
            <location filename="../../GuiUtils.cpp" line="0" />
            <source>Magenta</source>
            <translation>Пурпурный</translation>
        </message>
        <message>
            <location filename="../../GuiUtils.cpp" line="0" />
            <source>Dark magenta</source>
            <translation>Тёмно-пурпурный</translation>
        </message>
        <message>
            <location filename="../../GuiUtils.cpp" line="0" />
            <source>Yellow</source>
            <translation>Жёлтый</translation>
        </message>
        <message>
            <location filename="../../GuiUtils.cpp" line="0" />
            <source>Dark yellow</source>
            <translation>Тёмно-жёлтый</translation>
        </message>
        <message>
            <location filename="../../GuiUtils.cpp" line="0" />
            <source>Gray</source>
            <translation>Серый</translation>
        </message>
        <message>
            <location filename="../../GuiUtils.cpp" line="0" />
            <source>Dark gray</source>
            <translation>Тёмно-серый</translation>
        </message>
        <message>
            <location filename="../../GuiUtils.cpp" line="0" />
            <source>Light gray</source>
            <translation>Светло-серый</translation>
        </message>
        <message>
            <location filename="../../GuiUtils.cpp" line="0" />
            <source>Transparent</source>
            <translation>Прозрачный</translation>
        </message>
    </context>
    <context>
        <name>ZelMessenger</name>
        <message>
            <source>About</source>
            <translation>О программе</translation>
        </message>
        <message>
            <source>Input int</source>
            <translation>Ввод целого числа</translation>
        </message>
        <message>
            <source>Input text</source>
            <translation>Ввод текста</translation>
        </message>
        <message>
            <source>Confirm</source>
            <translation>Подтверждение</translation>
        </message>
        <message>
            <source>Continue</source>
            <translation>Продолжить</translation>
        </message>
        <message>
            <source>Yes</source>
            <translation>Да</translation>
        </message>
        <message>
            <source>No</source>
            <translation>Нет</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Отмена</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>Сохранить</translation>
        </message>
    </context>
    <context>
        <name>ZelProgressDialog</name>
        <message>
            <source>Progress</source>
            <translation>Выполнение</translation>
        </message>
        <message>
            <source>Status</source>
            <translation>Состояние</translation>
        </message>
    </context>
    <context>
        <name>ZelRangeCheckableWidgetClass</name>
        <message>
            <source>Form</source>
            <translation>Форма</translation>
        </message>
    </context>
    <context>
        <name>ZelRangeDoubleCheckableWidget</name>
        <message>
            <source>Form</source>
            <translation>Форма</translation>
        </message>
    </context>
    <context>
        <name>ZelRangeWidgetWithLabelClass</name>
        <message>
            <source>RangeWidget</source>
            <translation>Диапазон</translation>
        </message>
    </context>
    <context>
        <name>ZelSpanRangeWidget</name>
        <message>
            <source>Value: %1 </source>
            <translation>Значение: %1 </translation>
        </message>
    </context>
    <context>
        <name>ZelTrayMessage</name>
        <message>
            <source>Error</source>
            <translation>Ошибка</translation>
        </message>
        <message>
            <source>Warning</source>
            <translation>Предупреждение</translation>
        </message>
        <message>
            <source>Information</source>
            <translation>Информация</translation>
        </message>
        <message>
            <source>Logging</source>
            <translation>Журнал</translation>
        </message>
        <message>
            <source>Profiling</source>
            <translation>Профилирование</translation>
        </message>
        <message>
            <source>Don't show again</source>
            <translation>Больше не показывать</translation>
        </message>
        <message>
            <source>Details</source>
            <translation>Подробности</translation>
        </message>
        <message>
            <source>Message text</source>
            <translation>Текст сообщения</translation>
        </message>
        <message>
            <source>Dialog</source>
            <translation>Диалог</translation>
        </message>
    </context>
    <context>
        <name>ZelZoomToolbar</name>
        <message>
            <source>&amp;Zoom In</source>
            <translation>&amp;Увеличить</translation>
        </message>
        <message>
            <source>&amp;Zoom Out</source>
            <translation>&amp;Уменьшить</translation>
        </message>
    </context>
    <context>
        <name>ZelZoomToolbarClass</name>
        <message>
            <source>NavigatorWidgetToolbar</source>
            <translation>Панель масштаба</translation>
        </message>
        <message>
            <source>...</source>
            <translation>...</translation>
        </message>
        <message>
            <source>PushButton</source>
            <translation>Кнопка</translation>
        </message>
    </context>
</TS>
