<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>FSUtils</name>
    <message>
        <location filename="../../../../platform/ZelCore/src/FSUtils.cpp" line="+30"/>
        <source>PNG image</source>
        <translation>Изображение PNG</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>JPEG image</source>
        <translation>Изображение JPEG</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BMP image</source>
        <translation>Изображение BMP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TIFF image</source>
        <translation>Изображение TIFF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DICOM image</source>
        <translation>Изображение DICOM</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>WebP image</source>
        <translation>Изображение WebP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GIF image</source>
        <translation>Изображение GIF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Windows icon</source>
        <translation>Значок Windows</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Windows cursor</source>
        <translation>Курсор Windows</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Portable bitmap</source>
        <translation>Монохромное изображение PBM</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Portable graymap</source>
        <translation>Полутоновое изображение PGM</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Portable pixmap</source>
        <translation>Цветное изображение PPM</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>X11 bitmap</source>
        <translation>Монохромное изображение X11</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>X11 pixmap</source>
        <translation>Цветное изображение X11</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>%1 image</source>
        <translation>Изображение %1</translation>
    </message>
</context>
<context>
    <name>Issue</name>
    <message>
        <location filename="../../../../platform/ZelLog/src/Issue.cpp" line="+19"/>
        <source>Internal error</source>
        <translation>Внутренняя ошибка</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Application message</source>
        <translation>Сообщение приложения</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The operation was cancelled</source>
        <translation>Операция отменена</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The image file cannot be loaded</source>
        <translation>Не удаётся загрузить файл изображения</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The image file does not exist</source>
        <translation>Файл изображения не существует</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The image format is not supported</source>
        <translation>Формат изображения не поддерживается</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The image file cannot be saved</source>
        <translation>Не удаётся сохранить файл изображения</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The settings value has the wrong type</source>
        <translation>Значение настройки имеет неверный тип</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The settings value is out of range</source>
        <translation>Значение настройки вне допустимого диапазона</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The settings file cannot be written</source>
        <translation>Не удаётся записать файл настроек</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The camera is not responding</source>
        <translation>Камера не отвечает</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No camera was found</source>
        <translation>Камера не найдена</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The camera is in use by another program</source>
        <translation>Камера занята другой программой</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../../GuiUtils.cpp" line="+173"/>
        <source>Navy</source>
        <translation>Морской</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Blue</source>
        <translation>Синий</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aqua</source>
        <translation>Небесный</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Teal</source>
        <translation>Сине-зелёный</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Olive</source>
        <translation>Оливковый</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Green</source>
        <translation>Зелёный</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Line</source>
        <translation>Лаймовый</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Yellow</source>
        <translation>Жёлтый</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Orange</source>
        <translation>Оранжевый</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Red</source>
        <translation>Красный</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Maroon</source>
        <translation>Бордовый</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Funchia</source>
        <translation>Фуксия</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Purple</source>
        <translation>Фиолетовый</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Black</source>
        <translation>Чёрный</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gray</source>
        <translation>Серый</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Silver</source>
        <translation>Серебристый</translation>
    </message>
    <message>
        <location filename="../../ZelHorizontalHeaderView.cpp" line="+196"/>
        <source>Show All</source>
        <translation>Показать все</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hide All</source>
        <translation>Скрыть все</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stretch to view</source>
        <translation>Растянуть по ширине</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Size by contents</source>
        <translation>По содержимому</translation>
    </message>
    <message>
        <location filename="../../ZelImageFileItemModel.cpp" line="+193"/>
        <source>Filename: %1
Path: %2
File size: %3
Resolution: %4</source>
        <translation>Имя файла: %1
Путь: %2
Размер файла: %3
Разрешение: %4</translation>
    </message>
    <message>
        <location line="-151"/>
        <source>kb</source>
        <translation>КБ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>mb</source>
        <translation>МБ</translation>
    </message>
    <message>
        <location filename="../../ZelHSLThermoBar.cpp" line="+248"/>
        <location line="+4"/>
        <location line="+121"/>
        <source>Value: %1</source>
        <translation>Значение: %1</translation>
    </message>
</context>
<context>
    <name>QProgressBar</name>
    <message>
        <location filename="../../ZelLongExposureWidget.cpp" line="+29"/>
        <source>%1 sec</source>
        <translation>%1 с</translation>
    </message>
</context>
<context>
    <name>ZelAboutWidget</name>
    <message>
        <location filename="../../ZelAboutWidget.cpp" line="+47"/>
        <source>About application %1</source>
        <translation>О приложении %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>ZelAboutWidgetClass</name>
    <message>
        <location filename="../../ZelAboutWidget.ui" line="+23"/>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>About Program</source>
        <translation>О программе</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>&lt;name&gt; &lt;version&gt; (&lt;revision&gt;)</source>
        <translation>&lt;название&gt; &lt;версия&gt; (&lt;ревизия&gt;)</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Copyright © the authors of the application. All rights reserved.</source>
        <translation>© Авторы приложения. Все права защищены.</translation>
    </message>
</context>
<context>
    <name>ZelAccessible</name>
    <message>
        <location filename="../../ZelAccessible.cpp" line="+20"/>
        <source>Lower handle</source>
        <translation>Нижний маркер</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Upper handle</source>
        <translation>Верхний маркер</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Intermediate value</source>
        <translation>Промежуточное значение</translation>
    </message>
    <message>
        <location line="+315"/>
        <source>Span slider</source>
        <translation>Ползунок диапазона</translation>
    </message>
    <message>
        <location line="-310"/>
        <source>Range %1 to %2, selection %3 to %4</source>
        <translation>Диапазон от %1 до %2, выделено от %3 до %4</translation>
    </message>
    <message>
        <location line="+455"/>
        <source>Range %1 to %2</source>
        <translation>Диапазон от %1 до %2</translation>
    </message>
    <message>
        <location line="-143"/>
        <source>%1 to %2</source>
        <translation>от %1 до %2</translation>
    </message>
    <message>
        <location line="+110"/>
        <source>Histogram</source>
        <translation>Гистограмма</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+8"/>
        <source>Colour bar</source>
        <translation>Цветовая шкала</translation>
    </message>
</context>
<context>
    <name>ZelBoolComboBox</name>
    <message>
        <location filename="../../ZelBoolComboBox.cpp" line="+8"/>
        <location line="+47"/>
        <source>On</source>
        <translation>Вкл</translation>
    </message>
    <message>
        <location line="-46"/>
        <location line="+46"/>
        <source>Off</source>
        <translation>Выкл</translation>
    </message>
</context>
<context>
    <name>ZelChooseDirectoryWidget</name>
    <message>
        <location filename="../../ZelChooseDirectoryWidget.ui" line="+20"/>
        <source>ZelChooseDirectoryWidget</source>
        <translation>Выбор каталога</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Choose the folder there the frames will be saved</source>
        <translation>Выберите папку, в которую будут сохраняться кадры</translation>
    </message>
    <message>
        <location line="+13"/>
        <location filename="../../ZelChooseDirectoryWidget.cpp" line="+83"/>
        <source>Choose Directory</source>
        <translation>Выбрать каталог</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <location line="-19"/>
        <source>Directory</source>
        <translation>Каталог</translation>
    </message>
</context>
<context>
    <name>ZelChooseFileWidget</name>
    <message>
        <location filename="../../ZelChooseFileWidget.ui" line="+20"/>
        <source>ZelChooseDirectoryWidget</source>
        <translation>Выбор файла</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Choose the folder there the frames will be saved</source>
        <translation>Выберите файл</translation>
    </message>
    <message>
        <location line="+13"/>
        <location filename="../../ZelChooseFileWidget.cpp" line="+70"/>
        <source>Choose File</source>
        <translation>Выбрать файл</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <location line="-19"/>
        <source>File</source>
        <translation>Файл</translation>
    </message>
</context>
<context>
    <name>ZelColorComboBox</name>
    <message>
        <location filename="../../ZelColorComboBox.cpp" line="+46"/>
        <location line="+135"/>
        <source>More...</source>
        <translation>Другой...</translation>
    </message>
    <message>
        <location line="-77"/>
        <location line="+70"/>
        <source>User color %1</source>
        <translation>Цвет пользователя %1</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>User Color 99</source>
        <translation>Цвет пользователя 99</translation>
    </message>
</context>
<context>
    <name>ZelColorSelectWidget</name>
    <message>
        <location filename="../../ZelColorSelectWidget.cpp" line="+70"/>
        <source>Red</source>
        <translation>Красный</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Green</source>
        <translation>Зелёный</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Blue</source>
        <translation>Синий</translation>
    </message>
</context>
<context>
    <name>ZelColorSelectWidgetClass</name>
    <message>
        <location filename="../../ZelColorSelectWidget.ui" line="+20"/>
        <source>ColorSelectWidget</source>
        <translation>Выбор цвета</translation>
    </message>
    <message>
        <location line="+66"/>
        <source>R:</source>
        <translation>R:</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>G:</source>
        <translation>G:</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>B:</source>
        <translation>B:</translation>
    </message>
</context>
<context>
    <name>ZelConfigureRectWidgetClass</name>
    <message>
        <location filename="../../ZelConfigureRectWidget.ui" line="+14"/>
        <source>ZelScanAreaWidget</source>
        <translation>Прямоугольник</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>X:</source>
        <translation>X:</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Y:</source>
        <translation>Y:</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Width:</source>
        <translation>Ширина:</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Height:</source>
        <translation>Высота:</translation>
    </message>
    <message>
        <location line="-53"/>
        <source>Left edge (X)</source>
        <translation>Левый край (X)</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Top edge (Y)</source>
        <translation>Верхний край (Y)</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Width</source>
        <translation>Ширина</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Height</source>
        <translation>Высота</translation>
    </message>
</context>
<context>
    <name>ZelConfigureSaveWidget</name>
    <message>
        <location filename="../../ZelConfigureSaveWidget.cpp" line="+34"/>
        <location line="+150"/>
        <source>Format:</source>
        <translation>Формат:</translation>
    </message>
    <message>
        <location line="-149"/>
        <location line="+150"/>
        <source>Quality:</source>
        <translation>Качество:</translation>
    </message>
    <message>
        <location line="-149"/>
        <location line="+150"/>
        <source>Path:</source>
        <translation>Путь:</translation>
    </message>
    <message>
        <location line="-149"/>
        <location line="+150"/>
        <source>Prefix:</source>
        <translation>Префикс:</translation>
    </message>
    <message>
        <location line="-120"/>
        <source>Object_</source>
        <translation>Объект_</translation>
    </message>
    <message>
        <location line="-3"/>
        <location line="+108"/>
        <location line="+22"/>
        <source>Select directory</source>
        <translation>Выберите каталог</translation>
    </message>
</context>
<context>
    <name>ZelCore</name>
    <message>
        <location filename="../../GuiUtils.cpp" line="-151"/>
        <source>Black</source>
        <translation>Чёрный</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>White</source>
        <translation>Белый</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Red</source>
        <translation>Красный</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dark red</source>
        <translation>Тёмно-красный</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Green</source>
        <translation>Зелёный</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dark green</source>
        <translation>Тёмно-зелёный</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blue</source>
        <translation>Синий</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dark blue</source>
        <translation>Тёмно-синий</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cyan</source>
        <translation>Голубой</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dark cyan</source>
        <translation>Тёмно-голубой</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Magenta</source>
        <translation>Пурпурный</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dark magenta</source>
        <translation>Тёмно-пурпурный</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yellow</source>
        <translation>Жёлтый</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dark yellow</source>
        <translation>Тёмно-жёлтый</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gray</source>
        <translation>Серый</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dark gray</source>
        <translation>Тёмно-серый</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Light gray</source>
        <translation>Светло-серый</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Transparent</source>
        <translation>Прозрачный</translation>
    </message>
</context>
<context>
    <name>ZelDialogWidget</name>
    <message>
        <location filename="../../ZelDialogWidget.ui" line="+20"/>
        <source>Dialog</source>
        <translation>Диалог</translation>
    </message>
</context>
<context>
    <name>ZelDoubleRangeWidget</name>
    <message>
        <location filename="../../ZelDoubleRangeWidget.cpp" line="+21"/>
        <source>Value</source>
        <translation>Значение</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Value slider</source>
        <translation>Ползунок значения</translation>
    </message>
</context>
<context>
    <name>ZelFFCModel</name>
    <message>
        <location filename="../../ZelFontFamilyCombobox.cpp" line="+23"/>
        <source>Sample</source>
        <translation>Образец</translation>
    </message>
</context>
<context>
    <name>ZelFileDialog</name>
    <message>
        <location filename="../../../../platform/ZelCore/src/ZelFileDialog.cpp" line="+46"/>
        <source>All supported formats</source>
        <translation>Все поддерживаемые форматы</translation>
    </message>
</context>
<context>
    <name>ZelGraphicsStatusWidget</name>
    <message>
        <location filename="../../ZelGraphicsStatusWidget.cpp" line="+37"/>
        <source>Unknown status</source>
        <translation>Неизвестное состояние</translation>
    </message>
</context>
<context>
    <name>ZelHSLThermoBarRotate</name>
    <message>
        <location filename="../../ZelHSLThermoBar.cpp" line="+111"/>
        <location line="+9"/>
        <source>Colour ramp rotation</source>
        <translation>Поворот цветовой шкалы</translation>
    </message>
</context>
<context>
    <name>ZelHeaderProfileEditor</name>
    <message>
        <location filename="../../ZelHeaderProfileEditor.ui" line="+20"/>
        <source>Удалить</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Добавить</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <location filename="../../ZelHeaderProfileEditor.cpp" line="+59"/>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Profile #%1</source>
        <translation>Профиль №%1</translation>
    </message>
    <message>
        <location line="-33"/>
        <location line="+69"/>
        <source>Column profiles</source>
        <translation>Профили столбцов</translation>
    </message>
</context>
<context>
    <name>ZelHorizontalHeaderView</name>
    <message>
        <location filename="../../ZelHorizontalHeaderView.cpp" line="-94"/>
        <source>_default</source>
        <extracomment>Part of a settings key, not shown to the user: keep it as it is.</extracomment>
        <translation>_default</translation>
    </message>
</context>
<context>
    <name>ZelIconedButtonWithLabel</name>
    <message>
        <location filename="../../ZelIconedButtonWithLabel.ui" line="+14"/>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
</context>
<context>
    <name>ZelLog</name>
    <message>
        <location filename="../../../../platform/ZelLog/src/ZelLog.cpp" line="+108"/>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Log</source>
        <translation>Журнал</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Profiling</source>
        <translation>Профилирование</translation>
    </message>
</context>
<context>
    <name>ZelMathGL</name>
    <message>
        <location filename="../../ZelMathGL.cpp" line="+27"/>
        <location line="+28"/>
        <source>DATA</source>
        <translation>ДАННЫЕ</translation>
    </message>
</context>
<context>
    <name>ZelMessenger</name>
    <message>
        <location filename="../../ZelMessenger.cpp" line="+104"/>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Input int</source>
        <translation>Ввод целого числа</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Input text</source>
        <translation>Ввод текста</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+5"/>
        <source>Confirm</source>
        <translation>Подтверждение</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Continue</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+7"/>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <location line="-7"/>
        <location line="+7"/>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
</context>
<context>
    <name>ZelPerfCounterWidget</name>
    <message>
        <location filename="../../ZelPerfCounterWidget.ui" line="+14"/>
        <source>TabWidget</source>
        <translation>Счётчики производительности</translation>
    </message>
    <message>
        <location filename="../../ZelPerfCounterWidget.cpp" line="+69"/>
        <location line="+43"/>
        <source>Metric - %1</source>
        <translation>Метрика - %1</translation>
    </message>
    <message>
        <location line="-18"/>
        <location line="+16"/>
        <source>M: %1</source>
        <translation>М: %1</translation>
    </message>
</context>
<context>
    <name>ZelProgressDialog</name>
    <message>
        <location filename="../../ZelProgressDialog.ui" line="+32"/>
        <source>Progress</source>
        <translation>Выполнение</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
</context>
<context>
    <name>ZelRangeCheckableWidgetClass</name>
    <message>
        <location filename="../../ZelRangeIntCheckableWidget.ui" line="+14"/>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Enabled</source>
        <translation>Включено</translation>
    </message>
</context>
<context>
    <name>ZelRangeDoubleCheckableWidget</name>
    <message>
        <location filename="../../ZelRangeDoubleCheckableWidget.ui" line="+14"/>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Enabled</source>
        <translation>Включено</translation>
    </message>
</context>
<context>
    <name>ZelRangeWidget</name>
    <message>
        <location filename="../../ZelRangeWidget.cpp" line="+38"/>
        <source>Value</source>
        <translation>Значение</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Value slider</source>
        <translation>Ползунок значения</translation>
    </message>
</context>
<context>
    <name>ZelRangeWidgetWithLabel</name>
    <message>
        <location filename="../../ZelRangeWidgetWithLabel.cpp" line="+18"/>
        <source>Value</source>
        <translation>Значение</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Value slider</source>
        <translation>Ползунок значения</translation>
    </message>
</context>
<context>
    <name>ZelRangeWidgetWithLabelClass</name>
    <message>
        <location filename="../../ZelRangeWidgetWithLabel.ui" line="+20"/>
        <source>RangeWidget</source>
        <translation>Диапазон</translation>
    </message>
</context>
<context>
    <name>ZelScanAreaWidgetClass</name>
    <message>
        <location filename="../../ZelScanAreaWidget.ui" line="+14"/>
        <source>ZelScanAreaWidget</source>
        <translation>Область сканирования</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>X1:</source>
        <translation>X1:</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Y1:</source>
        <translation>Y1:</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>X2:</source>
        <translation>X2:</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Y2:</source>
        <translation>Y2:</translation>
    </message>
    <message>
        <location line="-53"/>
        <source>Left edge (X1)</source>
        <translation>Левый край (X1)</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Top edge (Y1)</source>
        <translation>Верхний край (Y1)</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Right edge (X2)</source>
        <translation>Правый край (X2)</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Bottom edge (Y2)</source>
        <translation>Нижний край (Y2)</translation>
    </message>
</context>
<context>
    <name>ZelSpanRangeWidget</name>
    <message>
        <location filename="../../ZelSpanRangeWidget.cpp" line="+323"/>
        <source>Value: %1 </source>
        <translation>Значение: %1 </translation>
    </message>
    <message>
        <location line="-239"/>
        <source>Lower value</source>
        <translation>Нижнее значение</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Upper value</source>
        <translation>Верхнее значение</translation>
    </message>
</context>
<context>
    <name>ZelThermoBarSpanHandler</name>
    <message>
        <location filename="../../ZelHSLThermoBar.cpp" line="-134"/>
        <location line="+10"/>
        <source>Lower end of the span</source>
        <translation>Нижняя граница диапазона</translation>
    </message>
    <message>
        <location line="-10"/>
        <location line="+10"/>
        <source>Upper end of the span</source>
        <translation>Верхняя граница диапазона</translation>
    </message>
</context>
<context>
    <name>ZelTrayMessage</name>
    <message>
        <location filename="../../ZelTrayMessage.cpp" line="+204"/>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Logging</source>
        <translation>Журнал</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Profiling</source>
        <translation>Профилирование</translation>
    </message>
    <message>
        <location filename="../../ZelTrayMessage.ui" line="+251"/>
        <source>Don&apos;t show again</source>
        <translation>Больше не показывать</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Details</source>
        <translation>Подробности</translation>
    </message>
    <message>
        <location line="-54"/>
        <source>Message text</source>
        <translation>Текст сообщения</translation>
    </message>
    <message>
        <location line="-190"/>
        <source>Dialog</source>
        <translation>Диалог</translation>
    </message>
    <message>
        <location line="+96"/>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>ZelZoomToolbar</name>
    <message>
        <location filename="../../ZelZoomToolbar.cpp" line="+133"/>
        <location line="+37"/>
        <source>&amp;Zoom In</source>
        <translation>&amp;Увеличить</translation>
    </message>
    <message>
        <location line="-26"/>
        <location line="+27"/>
        <source>&amp;Zoom Out</source>
        <translation>&amp;Уменьшить</translation>
    </message>
</context>
<context>
    <name>ZelZoomToolbarClass</name>
    <message>
        <location filename="../../ZelZoomToolbar.ui" line="+32"/>
        <source>NavigatorWidgetToolbar</source>
        <translation>Панель масштаба</translation>
    </message>
    <message>
        <location line="+27"/>
        <location line="+60"/>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>PushButton</source>
        <translation>Кнопка</translation>
    </message>
    <message>
        <location line="-60"/>
        <source>Zoom</source>
        <translation>Масштаб</translation>
    </message>
</context>
</TS>
