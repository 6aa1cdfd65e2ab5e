<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Kestrano</source>
        <translation>О Kestrano</translation>
    </message>
    <message>
        <source>Kestrano</source>
        <translation>Kestrano</translation>
    </message>
    <message>
        <source>Version 2.7.1</source>
        <translation>Версия 2.7.1</translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:8pt;&quot;&gt;© 2016–2026 Brightfern. GNU&amp;nbsp;GPL version 3 or later.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Segoe UI&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:8pt;&quot;&gt;© 2016–2026 Brightfern. GNU&amp;nbsp;GPL версии 3 или новее.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Kestrano</source>
        <translation>Kestrano</translation>
    </message>
    <message>
        <source>Regular</source>
        <translation>Обычный вид</translation>
    </message>
    <message>
        <source>HTML</source>
        <translation>HTML</translation>
    </message>
    <message>
        <source>Include original text in output</source>
        <translation>Включать исходный текст в результат</translation>
    </message>
    <message>
        <source>British</source>
        <translation>Британский</translation>
    </message>
    <message>
        <source>American</source>
        <translation>Американский</translation>
    </message>
    <message>
        <source>Transliterate (Cyrillic)</source>
        <translation>Транслитерация кириллицей</translation>
    </message>
    <message>
        <source>Transcribe!</source>
        <translation>Транскрибировать!</translation>
    </message>
    <message>
        <source>eɪ</source>
        <translation>eɪ</translation>
    </message>
    <message>
        <source>aɪ</source>
        <translation>aɪ</translation>
    </message>
    <message>
        <source>ɔɪ</source>
        <translation>ɔɪ</translation>
    </message>
    <message>
        <source>əʊ</source>
        <translation>əʊ</translation>
    </message>
    <message>
        <source>aʊ</source>
        <translation>aʊ</translation>
    </message>
    <message>
        <source>ɪə</source>
        <translation>ɪə</translation>
    </message>
    <message>
        <source>eə</source>
        <translation>eə</translation>
    </message>
    <message>
        <source>ʊə</source>
        <translation>ʊə</translation>
    </message>
    <message>
        <source>θ</source>
        <translation>θ</translation>
    </message>
    <message>
        <source>ð</source>
        <translation>ð</translation>
    </message>
    <message>
        <source>ʃ</source>
        <translation>ʃ</translation>
    </message>
    <message>
        <source>ʒ</source>
        <translation>ʒ</translation>
    </message>
    <message>
        <source>tʃ</source>
        <translation>tʃ</translation>
    </message>
    <message>
        <source>dʒ</source>
        <translation>dʒ</translation>
    </message>
    <message>
        <source>ŋ</source>
        <translation>ŋ</translation>
    </message>
    <message>
        <source>ɪ</source>
        <translation>ɪ</translation>
    </message>
    <message>
        <source>æ</source>
        <translation>æ</translation>
    </message>
    <message>
        <source>ɒ</source>
        <translation>ɒ</translation>
    </message>
    <message>
        <source>ʌ</source>
        <translation>ʌ</translation>
    </message>
    <message>
        <source>ʊ</source>
        <translation>ʊ</translation>
    </message>
    <message>
        <source>ə</source>
        <translation>ə</translation>
    </message>
    <message>
        <source>iː</source>
        <translation>iː</translation>
    </message>
    <message>
        <source>ɑː</source>
        <translation>ɑː</translation>
    </message>
    <message>
        <source>ɔː</source>
        <translation>ɔː</translation>
    </message>
    <message>
        <source>uː</source>
        <translation>uː</translation>
    </message>
    <message>
        <source>ɜː</source>
        <translation>ɜː</translation>
    </message>
    <message>
        <source>ˈ</source>
        <translation>ˈ</translation>
    </message>
    <message>
        <source>ˌ</source>
        <translation>ˌ</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Формат</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Go to Kestrano website</source>
        <translation>Перейти на сайт Kestrano</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Полужирный</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Курсив</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Подчёркнутый</translation>
    </message>
    <message>
        <source>Ctrl+U</source>
        <translation>Ctrl+U</translation>
    </message>
    <message>
        <source>Bigger</source>
        <translation>Увеличить шрифт</translation>
    </message>
    <message>
        <source>Ctrl++</source>
        <translation>Ctrl++</translation>
    </message>
    <message>
        <source>Smaller</source>
        <translation>Уменьшить шрифт</translation>
    </message>
    <message>
        <source>Ctrl+-</source>
        <translation>Ctrl+-</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Увеличить масштаб</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Уменьшить масштаб</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Печать...</translation>
    </message>
    <message>
        <source>Print pre&amp;view...</source>
        <translation>Прос&amp;мотр печати...</translation>
    </message>
    <message>
        <source>Speak</source>
        <translation>Прочитать вслух</translation>
    </message>
    <message>
        <source>Stop speaking</source>
        <translation>Остановить чтение</translation>
    </message>
    <message>
        <source>Check for updates...</source>
        <translation>Проверить обновления...</translation>
    </message>
    <message>
        <source>There is not enough free memory to transcribe this text at once. Transcribe it in smaller parts.</source>
        <translation>Недостаточно свободной памяти, чтобы транскрибировать этот текст целиком. Транскрибируйте его по частям.</translation>
    </message>
    <message>
        <source>The pronunciation dictionary &quot;%1&quot; could not be read: %2.</source>
        <translation>Не удалось прочитать словарь произношения «%1»: %2.</translation>
    </message>
    <message>
        <source>Dictionary paths are relative to the folder that Kestrano was started from:
%1</source>
        <translation>Пути к словарям указаны относительно папки, из которой запущен Kestrano:
%1</translation>
    </message>
    <message>
        <source>Print Document</source>
        <translation>Печать документа</translation>
    </message>
    <message>
        <source>Your word list &quot;%1&quot; could not be read: %2.</source>
        <translation>Не удалось прочитать ваш список слов «%1»: %2.</translation>
    </message>
    <message>
        <source>Your word list &quot;%1&quot; holds no entry that Kestrano can read.</source>
        <translation>В вашем списке слов «%1» нет ни одной записи, которую Kestrano может прочитать.</translation>
    </message>
    <message>
        <source>Each line must be a number, a TAB, the word, a TAB and its pronunciation in PhonemeCode letters, for example:
1	Okafor	qu&apos;kRfL
This text is transcribed without your words.</source>
        <translation>Каждая строка должна содержать число, знак табуляции, слово, знак табуляции и его произношение буквами PhonemeCode, например:
1	Okafor	qu&apos;kRfL
Этот текст транскрибирован без ваших слов.</translation>
    </message>
    <message>
        <source>No pronunciation could be guessed for &quot;%1&quot;.</source>
        <translation>Не удалось угадать произношение слова «%1».</translation>
    </message>
    <message>
        <source>Pronunciations cannot be guessed: %1.</source>
        <translation>Угадывать произношение невозможно: %1.</translation>
    </message>
</context>
<context>
    <name>MyTextEdit</name>
    <message>
        <source>Guess the pronunciation</source>
        <translation>Угадать произношение</translation>
    </message>
</context>
<context>
    <name>kestrano::updater</name>
    <message>
        <source>it is not an RSS feed but a &lt;%1&gt; document</source>
        <translation>это не лента RSS, а документ &lt;%1&gt;</translation>
    </message>
    <message>
        <source>%1 (line %2, column %3)</source>
        <translation>%1 (строка %2, столбец %3)</translation>
    </message>
    <message>
        <source>it has no channel</source>
        <translation>в ней нет элемента channel</translation>
    </message>
    <message>
        <source>The update feed could not be read: %1.</source>
        <translation>Не удалось прочитать ленту обновлений: %1.</translation>
    </message>
    <message>
        <source>The update feed lists no release with a version number.</source>
        <translation>В ленте обновлений нет ни одного выпуска с номером версии.</translation>
    </message>
</context>
<context>
    <name>kestrano::updater::UpdateChecker</name>
    <message>
        <source>No valid update feed address is set.</source>
        <translation>Не задан правильный адрес ленты обновлений.</translation>
    </message>
    <message>
        <source>The update server did not answer within a second.</source>
        <translation>Сервер обновлений не ответил в течение секунды.</translation>
    </message>
    <message>
        <source>The update server did not answer within %1 seconds.</source>
        <translation>Сервер обновлений не ответил в течение %1 с.</translation>
    </message>
    <message>
        <source>The update server answered with HTTP status %1%2.</source>
        <translation>Сервер обновлений вернул код состояния HTTP %1%2.</translation>
    </message>
    <message>
        <source>The update feed could not be downloaded: %1.</source>
        <translation>Не удалось загрузить ленту обновлений: %1.</translation>
    </message>
    <message>
        <source>The update server did not send the whole feed within a second.</source>
        <translation>Сервер обновлений не передал ленту целиком в течение секунды.</translation>
    </message>
    <message>
        <source>The update server did not send the whole feed within %1 seconds.</source>
        <translation>Сервер обновлений не передал ленту целиком в течение %1 с.</translation>
    </message>
    <message>
        <source>The update feed is too large (over %1).</source>
        <translation>Лента обновлений слишком велика (больше %1).</translation>
    </message>
</context>
<context>
    <name>kestrano::updater::UpdateDialog</name>
    <message>
        <source>Download</source>
        <translation>Скачать</translation>
    </message>
    <message>
        <source>Release Notes</source>
        <translation>Примечания к выпуску</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Обновление программы</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Проверка обновлений…</translation>
    </message>
    <message>
        <source>Looking for a newer version of %1.</source>
        <translation>Идёт поиск новой версии %1.</translation>
    </message>
    <message>
        <source>You&apos;re up to date.</source>
        <translation>Установлена последняя версия.</translation>
    </message>
    <message>
        <source>%1 %2 is the newest version available.</source>
        <translation>%1 %2 — самая новая из доступных версий.</translation>
    </message>
    <message>
        <source>%1 %2 is now available; you have %3.</source>
        <translation>Доступна версия %1 %2, у вас установлена %3.</translation>
    </message>
    <message>
        <source>The update feed gives no address to get it from.</source>
        <translation>В ленте обновлений не указано, откуда её скачать.</translation>
    </message>
    <message>
        <source>A new version of %1 is available.</source>
        <translation>Доступна новая версия %1.</translation>
    </message>
    <message>
        <source>The update check failed.</source>
        <translation>Не удалось проверить обновления.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
</TS>
