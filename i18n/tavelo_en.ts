<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>Card</name>
    <message numerus="yes">
        <source>…ほか%n行は入りません</source>
        <translation>
            <numerusform>... %n more row does not fit</numerusform>
            <numerusform>... %n more rows do not fit</numerusform>
        </translation>
    </message>
    <message>
        <source>実寸（100%）で印刷し、実線で切り、点線で折ってください。右端の面は表面の裏に折り込みます。</source>
        <translation>Print at 100 %, cut along the solid lines and fold along the dotted ones; the right panel folds in behind the front.</translation>
    </message>
    <message>
        <source>A面</source>
        <translation>Side A</translation>
    </message>
    <message>
        <source>B面</source>
        <translation>Side B</translation>
    </message>
    <message>
        <source>インデックスカード</source>
        <translation>Index card</translation>
    </message>
    <message>
        <source>タベロサポータ</source>
        <translation>Tavelo Supporter</translation>
    </message>
    <message>
        <source>片面%1分</source>
        <translation>%1 min a side</translation>
    </message>
    <message>
        <source>実寸（100%）で印刷してください。右端の面は表面の裏に折り込みます。</source>
        <translation>Print at 100 %; the right panel folds in behind the front.</translation>
    </message>
    <message>
        <source>50 mm</source>
        <translation>50 mm</translation>
    </message>
    <message>
        <source>この線が50 mmなら、実寸で印刷されています。</source>
        <translation>If this line measures 50 mm, the card was printed at full size.</translation>
    </message>
</context>
<context>
    <name>EntryScreen</name>
    <message>
        <source>録音済み時間</source>
        <translation>Song times</translation>
    </message>
    <message>
        <source>%1の分</source>
        <translation>%1, minutes</translation>
    </message>
    <message>
        <source>%1の秒</source>
        <translation>%1, seconds</translation>
    </message>
    <message>
        <source>分</source>
        <translation>min</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>sec</translation>
    </message>
    <message>
        <source>時間を貼り付け</source>
        <translation>Paste times</translation>
    </message>
    <message>
        <source>それぞれの曲の収録時間を入力してください</source>
        <translation>Enter the length of each song</translation>
    </message>
    <message>
        <source>16番目以降の曲の収録時間を入力してください</source>
        <translation>Enter the lengths of songs 16 and on</translation>
    </message>
    <message>
        <source>訂正したい曲の収録時間を入力してください</source>
        <translation>Enter the corrected song lengths</translation>
    </message>
    <message>
        <source>注：曲の再生時間が分単位の場合、秒の&#x3000;&#x3000;&#x3000;部分に0を入力してください。(例：再生&#x3000;&#x3000;&#x3000;時間が4分の時は4分0秒と入力する)</source>
        <translation>Note: for a song of whole minutes, type 0 as its seconds (4 minutes: type 4 and 0).</translation>
    </message>
    <message>
        <source>注：録音時間の秒の部分が0の時には秒の&#x3000;&#x3000;部分に0を入力してください</source>
        <translation>Note: type 0 when the seconds are 0.</translation>
    </message>
    <message>
        <source>注：曲の再生時間が分単位の場合、秒の&#x3000;&#x3000;&#x3000;部分に0を入力してください。また次画&#x3000;&#x3000;&#x3000;面の曲の収録時間を維持したい場合&#x3000;&#x3000;&#x3000;&#x3000;「次画面を訂正」ボタンをクリックして&#x3000;&#x3000;&#x3000;&#x3000;1度次画面に行ってから「残り時間を&#x3000;&#x3000;&#x3000;&#x3000;出す」ボタンをクリックしてください</source>
        <translation>Note: for whole minutes, type 0 as the seconds. To keep the songs of the next page, click “Next page”, go there once, then click “Time left”.</translation>
    </message>
    <message>
        <source>注：曲の再生時間が分単位の場合、秒の&#x3000;&#x3000;&#x3000;部分に0を入力してください。また次画&#x3000;&#x3000;&#x3000;面の曲の収録時間を維持したい場合&#x3000;&#x3000;&#x3000;&#x3000;「次画面を訂正」ボタンをクリックして&#x3000;&#x3000;&#x3000;&#x3000;1度次画面に行ってから「合計時間を&#x3000;&#x3000;&#x3000;&#x3000;出す」ボタンをクリックしてください</source>
        <translation>Note: for whole minutes, type 0 as the seconds. To keep the songs of the next page, click “Next page”, go there once, then click “Total”.</translation>
    </message>
    <message>
        <source>続けて入力</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>残り時間を出す</source>
        <translation>Time left</translation>
    </message>
    <message>
        <source>合計時間を出す</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>次画面を訂正</source>
        <translation>Next page</translation>
    </message>
    <message>
        <source>30曲まで入力できます。</source>
        <translation>You can enter up to 30 songs.</translation>
    </message>
    <message>
        <source>残り時間を出す</source>
        <comment>the whole wording, as a tooltip</comment>
        <translation>Work out the time left on the tape</translation>
    </message>
    <message>
        <source>合計時間を出す</source>
        <comment>the whole wording, as a tooltip</comment>
        <translation>Work out the total time of the songs</translation>
    </message>
    <message>
        <source>CDから読み込む</source>
        <translation>Read from CD</translation>
    </message>
</context>
<context>
    <name>ListText</name>
    <message numerus="yes">
        <source># 曲の一覧（%n曲）</source>
        <translation>
            <numerusform># Song list (%n song)</numerusform>
            <numerusform># Song list (%n songs)</numerusform>
        </translation>
    </message>
    <message>
        <source># 収録時間の合計は %1分%2秒です。</source>
        <translation># Total: %1 min %2 sec.</translation>
    </message>
    <message>
        <source># テープの残り時間は %1分%2秒です。</source>
        <translation># Remaining time: %1 min %2 sec.</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>%1（片面%2分）</source>
        <translation>%1 (%2 min a side)</translation>
    </message>
    <message>
        <source>テープの長さ</source>
        <translation>Tape length</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>エラー</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>分の入力が間違ってます。</source>
        <translation>The minutes are not valid.</translation>
    </message>
    <message>
        <source>秒の入力が間違ってます。</source>
        <translation>The seconds are not valid.</translation>
    </message>
    <message>
        <source>録音時間の合計が録音可能時間を超えました</source>
        <translation>The songs add up to more than the tape side holds</translation>
    </message>
    <message>
        <source>分の入力が大きすぎます。</source>
        <translation>The minutes are too large.</translation>
    </message>
    <message>
        <source>録音可能時間の入力が間違ってます。</source>
        <translation>The recording time is not valid.</translation>
    </message>
    <message>
        <source>録音可能時間が大きすぎます。</source>
        <translation>The recording time is too large.</translation>
    </message>
    <message>
        <source>残り時間が546分59秒を超えるため表示できません。</source>
        <translation>The remaining time is over 546 min 59 sec and cannot be shown.</translation>
    </message>
    <message>
        <source>合計時間が546分59秒を超えるため表示できません。</source>
        <translation>The total time is over 546 min 59 sec and cannot be shown.</translation>
    </message>
    <message>
        <source>一覧を保存できませんでした。</source>
        <translation>The list could not be saved.</translation>
    </message>
    <message>
        <source>インデックスカードを保存できませんでした。</source>
        <translation>The index card could not be saved.</translation>
    </message>
    <message>
        <source>インデックスカードを印刷できませんでした。</source>
        <translation>The index card could not be printed.</translation>
    </message>
</context>
<context>
    <name>Notes</name>
    <message>
        <source>前の読み込みが終わってから、もう一度お試しください。</source>
        <translation>Try again once the reading before is done.</translation>
    </message>
    <message>
        <source>前のファイルを読み込み中です。終わってから、もう一度ドロップしてください。</source>
        <translation>Still reading the files dropped before. Drop again once they are read.</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>%1 ほか %n件</source>
        <translation>
            <numerusform>%1 and %n more</numerusform>
            <numerusform>%1 and %n more</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n件を読めませんでした：%1</source>
        <translation>
            <numerusform>Could not read %n file: %1</numerusform>
            <numerusform>Could not read %n files: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>空いている行がないため、%n曲は入りませんでした：%1</source>
        <translation>
            <numerusform>No empty row left, so %n song was not placed: %1</numerusform>
            <numerusform>No empty row left, so %n songs were not placed: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>空いている行がないため、%n件は入りませんでした：%1</source>
        <translation>
            <numerusform>No empty row left, so %n item was not placed: %1</numerusform>
            <numerusform>No empty row left, so %n items were not placed: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n曲は入りきりませんでした：%1</source>
        <translation>
            <numerusform>%n song did not fit: %1</numerusform>
            <numerusform>%n songs did not fit: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n件は入りきりませんでした：%1</source>
        <translation>
            <numerusform>%n item did not fit: %1</numerusform>
            <numerusform>%n items did not fit: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>時間が見つかりませんでした。</source>
        <translation>No times were found.</translation>
    </message>
    <message>
        <source>CDドライブが見つかりませんでした。</source>
        <translation>No CD drive was found.</translation>
    </message>
    <message>
        <source>CDドライブを使う権限がありません。</source>
        <translation>You have no permission to use the CD drive.</translation>
    </message>
    <message>
        <source>CDドライブにディスクが入っていません。</source>
        <translation>There is no disc in the CD drive.</translation>
    </message>
    <message>
        <source>CDドライブのトレイが開いています。</source>
        <translation>The tray of the CD drive is open.</translation>
    </message>
    <message>
        <source>CDドライブの準備ができていません。少し待ってから、もう一度お試しください。</source>
        <translation>The CD drive is not ready. Wait a moment and try again.</translation>
    </message>
    <message>
        <source>このディスクには音楽のトラックがありません。</source>
        <translation>This disc has no music tracks.</translation>
    </message>
    <message>
        <source>CDを読み込めませんでした。</source>
        <translation>The CD could not be read.</translation>
    </message>
    <message>
        <source>%1 %2曲目</source>
        <translation>%1, song %2</translation>
    </message>
    <message>
        <source>%1（長さの列がありません）</source>
        <translation>%1 (no length column)</translation>
    </message>
    <message>
        <source>%1 トラック%2</source>
        <translation>%1, track %2</translation>
    </message>
    <message>
        <source>%1 %2行目</source>
        <translation>%1, row %2</translation>
    </message>
    <message numerus="yes">
        <source>%n行を読めませんでした：%1</source>
        <translation>
            <numerusform>Could not read %n row: %1</numerusform>
            <numerusform>Could not read %n rows: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%nトラックを読めませんでした：%1</source>
        <translation>
            <numerusform>Could not read %n track: %1</numerusform>
            <numerusform>Could not read %n tracks: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>一覧をテキストに保存</source>
        <translation>Save the list as text</translation>
    </message>
    <message>
        <source>テープの曲目.txt</source>
        <translation>tape songs.txt</translation>
    </message>
    <message>
        <source>テキスト (*.txt)</source>
        <translation>Text (*.txt)</translation>
    </message>
</context>
<context>
    <name>Sides</name>
    <message>
        <source>合計 %1&#x3000;%2 はみ出します</source>
        <translation>Total %1, %2 over</translation>
    </message>
    <message>
        <source>合計 %1&#x3000;残り %2</source>
        <translation>Total %1, %2 left</translation>
    </message>
    <message>
        <source>合計 %1</source>
        <translation>Total %1</translation>
    </message>
    <message>
        <source>%1&#x3000;%2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1&#x3000;%2 はみ出します</source>
        <translation>%1 %2 over</translation>
    </message>
    <message>
        <source>%1&#x3000;残り %2</source>
        <translation>%1 %2 left</translation>
    </message>
    <message>
        <source>計算した曲がありません。</source>
        <translation>No songs have been calculated.</translation>
    </message>
    <message>
        <source>A面に入る曲がありません。全曲がB面です。</source>
        <translation>No song fits on side A; all songs go on side B.</translation>
    </message>
    <message>
        <source>全曲がA面に入ります（A面の最後は%1）。</source>
        <translation>All songs fit on side A (the last one is %1).</translation>
    </message>
    <message>
        <source>A面の最後は%1、B面は%2から。</source>
        <translation>Side A ends with %1, side B starts with %2.</translation>
    </message>
    <message>
        <source>どのカセットにも収まりません（最長の%1でも足りません）</source>
        <translation>No cassette holds them (not even the longest, %1)</translation>
    </message>
    <message>
        <source>%1なら収まります（A面 残り%2、B面 残り%3）</source>
        <translation>A %1 holds them (side A %2 left, side B %3 left)</translation>
    </message>
    <message>
        <source>全曲がA面です（A面の最後は%1）。</source>
        <translation>All songs are on side A (the last one is %1).</translation>
    </message>
</context>
<context>
    <name>Song</name>
    <message>
        <source>%1曲目</source>
        <translation>Song %1</translation>
    </message>
</context>
<context>
    <name>tavelo::CapacityDialog</name>
    <message>
        <source>片面タベロ可能時間</source>
        <translation>Recording time per side</translation>
    </message>
    <message>
        <source>録音可能時間を入力してください</source>
        <translation>Enter the recording time of one side</translation>
    </message>
    <message>
        <source>分</source>
        <translation>min</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>録音可能時間（分）</source>
        <translation>Recording time of one side (minutes)</translation>
    </message>
</context>
<context>
    <name>tavelo::MainWindow</name>
    <message>
        <source>タベロサポータVer2.85</source>
        <translation>Tavelo Supporter Ver2.85</translation>
    </message>
    <message>
        <source>録音可能時間入力</source>
        <translation>Set side length</translation>
    </message>
    <message>
        <source>録音時間入力</source>
        <translation>Enter songs</translation>
    </message>
    <message>
        <source>訂正</source>
        <translation>Correct</translation>
    </message>
    <message>
        <source>収録時間の合計を入力</source>
        <translation>Add up songs</translation>
    </message>
    <message>
        <source>合計の訂正</source>
        <translation>Correct total</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>テープの片面の録音時間は</source>
        <translation>One tape side holds</translation>
    </message>
    <message>
        <source>分です。</source>
        <translation>min.</translation>
    </message>
    <message>
        <source>これまで録音した曲数とテープの時間</source>
        <translation>Songs so far and tape time</translation>
    </message>
    <message>
        <source>A面・B面に分ける…</source>
        <translation>Split into sides A and B...</translation>
    </message>
    <message>
        <source>テープの残り時間は</source>
        <translation>Remaining time</translation>
    </message>
    <message>
        <source>収録時間の合計は</source>
        <translation>Total time</translation>
    </message>
    <message>
        <source>分</source>
        <translation>min</translation>
    </message>
    <message>
        <source>秒です。</source>
        <translation>sec.</translation>
    </message>
    <message>
        <source>テープの片面の録音時間（分）</source>
        <translation>Length of one tape side (minutes)</translation>
    </message>
    <message>
        <source>結果の分</source>
        <translation>Result, minutes</translation>
    </message>
    <message>
        <source>結果の秒</source>
        <translation>Result, seconds</translation>
    </message>
    <message>
        <source>一覧をコピー</source>
        <translation>Copy list</translation>
    </message>
    <message>
        <source>テキストに保存…</source>
        <translation>Save as text...</translation>
    </message>
</context>
<context>
    <name>tavelo::SidesWindow</name>
    <message>
        <source>A面・B面</source>
        <translation>Sides A and B</translation>
    </message>
    <message>
        <source>片面の録音時間</source>
        <translation>Side length</translation>
    </message>
    <message>
        <source>分</source>
        <translation>min</translation>
    </message>
    <message>
        <source>片面の録音時間（分）</source>
        <translation>Side length (minutes)</translation>
    </message>
    <message>
        <source>カードの題</source>
        <translation>Card title</translation>
    </message>
    <message>
        <source>インデックスカードの題</source>
        <translation>Title of the index card</translation>
    </message>
    <message>
        <source>秒</source>
        <translation> s</translation>
    </message>
    <message>
        <source>曲間の空白（秒）</source>
        <translation>Gap between songs (seconds)</translation>
    </message>
    <message>
        <source>曲間</source>
        <translation>Gap</translation>
    </message>
    <message>
        <source>面の始めのリーダー（秒）</source>
        <translation>Leader at the start of a side (seconds)</translation>
    </message>
    <message>
        <source>リーダー</source>
        <translation>Leader</translation>
    </message>
    <message>
        <source>表示より長い分（片面、秒）</source>
        <translation>Longer than labelled (per side, seconds)</translation>
    </message>
    <message>
        <source>テープの余裕</source>
        <translation>Extra tape</translation>
    </message>
    <message>
        <source>テープが表示より長く録音できる時間（片面あたり）</source>
        <translation>How much longer than labelled the tape records (per side)</translation>
    </message>
    <message>
        <source>同じ面の曲と曲の間の空白</source>
        <translation>Blank tape between two songs on the same side</translation>
    </message>
    <message>
        <source>各面の始めの録音できない部分</source>
        <translation>The part at the start of each side that records nothing</translation>
    </message>
    <message>
        <source>A面</source>
        <translation>Side A</translation>
    </message>
    <message>
        <source>B面</source>
        <translation>Side B</translation>
    </message>
    <message>
        <source>A面の曲</source>
        <translation>Songs on side A</translation>
    </message>
    <message>
        <source>B面の曲</source>
        <translation>Songs on side B</translation>
    </message>
    <message>
        <source>曲をダブルクリックすると曲名を入力できます</source>
        <translation>Double-click a song to type its title</translation>
    </message>
    <message>
        <source>インデックスカードをPDFに保存…</source>
        <translation>Save index card as PDF...</translation>
    </message>
    <message>
        <source>印刷…</source>
        <translation>Print...</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>曲名</source>
        <translation>Song title</translation>
    </message>
    <message>
        <source>%1の曲名</source>
        <translation>Title of %1</translation>
    </message>
    <message>
        <source>インデックスカードをPDFに保存</source>
        <translation>Save index card as PDF</translation>
    </message>
    <message>
        <source>インデックスカード.pdf</source>
        <translation>index card.pdf</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>曲が収まる最短のカセット</source>
        <translation>Shortest cassette that holds the songs</translation>
    </message>
    <message>
        <source>分け方</source>
        <translation>Split</translation>
    </message>
    <message>
        <source>A面とB面の分け方</source>
        <translation>How the songs are split over sides A and B</translation>
    </message>
    <message>
        <source>順番どおり</source>
        <translation>In order</translation>
    </message>
    <message>
        <source>両面を均等に</source>
        <translation>Even sides</translation>
    </message>
    <message>
        <source>A面の最後の曲を選ぶ</source>
        <translation>Choose the flip</translation>
    </message>
    <message>
        <source>曲順は変えずに、どこで裏返すかを決めます</source>
        <translation>Where to turn the tape over; the song order stays as it is</translation>
    </message>
    <message>
        <source>A面の最後</source>
        <translation>Last on A</translation>
    </message>
    <message>
        <source>A面の最後の曲</source>
        <translation>Last song on side A</translation>
    </message>
    <message>
        <source>PDFの用紙</source>
        <translation>Paper of the PDF</translation>
    </message>
    <message>
        <source>用紙</source>
        <translation>Paper</translation>
    </message>
    <message>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>レター</source>
        <translation>Letter</translation>
    </message>
    <message>
        <source>PDFの用紙。印刷では印刷ダイアログで選んだ用紙に合わせます</source>
        <translation>Paper of the PDF; a print follows the paper chosen in the print dialog</translation>
    </message>
    <message>
        <source>カードの大きさ</source>
        <translation>Card size</translation>
    </message>
    <message>
        <source>カード</source>
        <translation>Card</translation>
    </message>
    <message>
        <source>標準（背12.7 mm）</source>
        <translation>Standard (12.7 mm)</translation>
    </message>
    <message>
        <source>短め（背10.2 mm）</source>
        <translation>Short (10.2 mm)</translation>
    </message>
    <message>
        <source>標準：裏の折り返し25.4 mm・背12.7 mm／短め：裏の折り返し15.2 mm・背10.2 mm</source>
        <translation>Standard: back flap 25.4 mm, spine 12.7 mm / Short: back flap 15.2 mm, spine 10.2 mm</translation>
    </message>
    <message>
        <source>切り取り線・折り線</source>
        <translation>Cut and fold lines</translation>
    </message>
    <message>
        <source>切り取り線と折り線を印刷する</source>
        <translation>Print the cut and fold lines</translation>
    </message>
</context>
</TS>
