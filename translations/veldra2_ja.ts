<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Veldra2</source>
        <translation>Veldra2 のバージョン情報</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>Lays out and engraves metal plates.</source>
        <translation>金属プレートをレイアウトして彫刻します。</translation>
    </message>
</context>
<context>
    <name>CAddEntryDlg</name>
    <message>
        <source>&amp;Name</source>
        <translation>名前(&amp;N)</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>&amp;Keep Aspect</source>
        <translation>縦横比を保持(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>幅(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Height</source>
        <translation>高さ(&amp;H)</translation>
    </message>
    <message>
        <source>There is not enough memory for a picture of this size.</source>
        <translation>この大きさの画像に使えるメモリが足りません。</translation>
    </message>
</context>
<context>
    <name>CAddMaterialDlg</name>
    <message>
        <source>Add Material</source>
        <translation>素材の追加</translation>
    </message>
    <message>
        <source>NewShape</source>
        <translation>新しい形状</translation>
    </message>
    <message>
        <source>Resolution (&amp;dpi)</source>
        <translation>解像度(&amp;D) (dpi)</translation>
    </message>
</context>
<context>
    <name>CAddSizeRules</name>
    <message>
        <source>Size (inch)</source>
        <translation>サイズ (インチ)</translation>
    </message>
    <message>
        <source>Size (mm)</source>
        <translation>サイズ (mm)</translation>
    </message>
</context>
<context>
    <name>CAddSymbolDlg</name>
    <message>
        <source>Add Frame</source>
        <translation>フレームの追加</translation>
    </message>
    <message>
        <source>Add Symbol</source>
        <translation>シンボルの追加</translation>
    </message>
    <message>
        <source>&amp;Transparent</source>
        <translation>透過(&amp;T)</translation>
    </message>
    <message>
        <source>%1
There is not enough memory for this picture.</source>
        <translation>%1
この画像に使えるメモリが足りません。</translation>
    </message>
</context>
<context>
    <name>CAppCommands</name>
    <message>
        <source>No web browser could be started to show the manual.
It is at %1</source>
        <translation>マニュアルを表示する Web ブラウザを起動できませんでした。
マニュアルの場所: %1</translation>
    </message>
</context>
<context>
    <name>CAppSettings</name>
    <message>
        <source>-32,0,0,0,400,0,0,0,0,3,2,1,34,Arial</source>
        <extracomment>The font of new text objects: height, width, escapement, orientation, weight, italic, underline, strike-out, character set, output precision, clip precision, quality, pitch and family, then the face name.</extracomment>
        <translation>-32,0,0,0,400,0,0,0,128,3,2,1,50,ＭＳ Ｐゴシック</translation>
    </message>
    <message>
        <source>New Text</source>
        <translation>新しいテキスト</translation>
    </message>
</context>
<context>
    <name>CBaseDlg</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>CBatchCommands</name>
    <message>
        <source>Data Source</source>
        <translation>データ ソース</translation>
    </message>
    <message>
        <source>Data files (*.csv *.tsv *.txt *.tab)</source>
        <translation>データ ファイル (*.csv *.tsv *.txt *.tab)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
    <message>
        <source>The layout has no fields: write {Column}, {#}, {serial} or {date} in a text.</source>
        <translation>レイアウトにフィールドがありません。テキストに {列名}、{#}、{serial}、{date} のいずれかを書いてください。</translation>
    </message>
    <message>
        <source>Could not start print job.</source>
        <translation>印刷ジョブを開始できませんでした。</translation>
    </message>
    <message>
        <source>Printing the batch...</source>
        <translation>連続印刷しています...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Printing record %1 of %2...</source>
        <translation>レコード %1 / %2 を印刷しています...</translation>
    </message>
    <message>
        <source>Could not print record %1.
%2
%3 plates were sent before it.</source>
        <translation>レコード %1 を印刷できませんでした。
%2
それまでに %3 枚のプレートを送信しました。</translation>
    </message>
    <message>
        <source>the default printer</source>
        <translation>既定のプリンター</translation>
    </message>
    <message>
        <source>%1 of %2 plates sent to %3.</source>
        <translation>%2 枚中 %1 枚のプレートを %3 に送りました。</translation>
    </message>
</context>
<context>
    <name>CBatchPrint</name>
    <message>
        <source>Could not start print job.</source>
        <translation>印刷ジョブを開始できませんでした。</translation>
    </message>
</context>
<context>
    <name>CBatchRender</name>
    <message>
        <source>The other %1 plates need %2 MB and the disk has %3 MB free.</source>
        <translation>残りの %1 枚のプレートには %2 MB が必要ですが、ディスクの空きは %3 MB です。</translation>
    </message>
</context>
<context>
    <name>CBatchRun</name>
    <message>
        <source>Record %1: %2</source>
        <translation>レコード %1: %2</translation>
    </message>
    <message>
        <source>it failed.</source>
        <translation>失敗しました。</translation>
    </message>
    <message>
        <source>Text shrunk to fit in records %1 and %2 more.</source>
        <translation>収まるようにテキストを縮小したレコード: %1 ほか %2 件。</translation>
    </message>
    <message>
        <source>Text shrunk to fit in records %1.</source>
        <translation>収まるようにテキストを縮小したレコード: %1。</translation>
    </message>
    <message>
        <source>A batch does at most %1 records; this one has %2. Split it into ranges of records.</source>
        <translation>一括処理できるレコードは最大 %1 件ですが、これは %2 件あります。レコードの範囲に分けてください。</translation>
    </message>
</context>
<context>
    <name>CCodeDefinition</name>
    <message>
        <source>Data Matrix</source>
        <translation>データマトリックス</translation>
    </message>
    <message>
        <source>Data Matrix (rectangular)</source>
        <translation>データマトリックス (長方形)</translation>
    </message>
    <message>
        <source>QR Code</source>
        <translation>QR コード</translation>
    </message>
    <message>
        <source>Code 128</source>
        <translation>Code 128</translation>
    </message>
    <message>
        <source>GS1 DataMatrix</source>
        <translation>GS1 データマトリックス</translation>
    </message>
    <message>
        <source>GS1-128</source>
        <translation>GS1-128</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>CCodeDlg</name>
    <message>
        <source>&amp;Quiet zone</source>
        <translation>クワイエットゾーン(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Text under the bars</source>
        <translation>バーの下に文字(&amp;T)</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>コード</translation>
    </message>
    <message>
        <source>L (7 %)</source>
        <translation>L (7 %)</translation>
    </message>
    <message>
        <source>M (15 %)</source>
        <translation>M (15 %)</translation>
    </message>
    <message>
        <source>Q (25 %)</source>
        <translation>Q (25 %)</translation>
    </message>
    <message>
        <source>H (30 %)</source>
        <translation>H (30 %)</translation>
    </message>
    <message>
        <source>White modules on black</source>
        <translation>黒地に白のモジュール</translation>
    </message>
    <message>
        <source>Black modules on white</source>
        <translation>白地に黒のモジュール</translation>
    </message>
    <message>
        <source>&amp;Kind</source>
        <translation>種類(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>データ(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Module (%1)</source>
        <translation>モジュール (%1)(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Error correction</source>
        <translation>誤り訂正(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Colour</source>
        <translation>色(&amp;C)</translation>
    </message>
    <message>
        <source>Type the module size as a number greater than 0.</source>
        <translation>モジュールの大きさを 0 より大きい数で入力してください。</translation>
    </message>
</context>
<context>
    <name>CCodeEncoder</name>
    <message>
        <source>The code has no data.</source>
        <translation>コードにデータがありません。</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>メモリが足りません。</translation>
    </message>
    <message>
        <source>The data is too long for %1 (%2).</source>
        <translation>データが %1 には長すぎます (%2)。</translation>
    </message>
    <message>
        <source>%1 cannot hold this data: %2.</source>
        <translation>%1 にはこのデータを入れられません: %2。</translation>
    </message>
    <message>
        <source>%1 could not be made: %2.</source>
        <translation>%1 を作成できませんでした: %2。</translation>
    </message>
    <message>
        <source>The data is too long for %1 (%2 bytes).</source>
        <translation>データが %1 には長すぎます (%2 バイト)。</translation>
    </message>
</context>
<context>
    <name>CCodeFields</name>
    <message>
        <source>The code&apos;s data: %1</source>
        <translation>コードのデータ: %1</translation>
    </message>
</context>
<context>
    <name>CCodeRules</name>
    <message>
        <source>%1 x %2 mm, %3 x %4 modules; module %5 mm (%6 dots)</source>
        <translation>%1 x %2 mm、%3 x %4 モジュール、モジュール %5 mm (%6 ドット)</translation>
    </message>
</context>
<context>
    <name>CColorPopup</name>
    <message>
        <source>&amp;Other...</source>
        <translation>その他(&amp;O)...</translation>
    </message>
</context>
<context>
    <name>CCropImageDlg</name>
    <message>
        <source>Crop Image</source>
        <translation>画像の切り抜き</translation>
    </message>
    <message>
        <source>&amp;Approximate Color for Fill</source>
        <translation>塗りつぶしの近似色(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Pen Diameter</source>
        <translation>ペンの直径(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Transparent Color</source>
        <translation>透過色(&amp;T)</translation>
    </message>
    <message>
        <source>Fit to Screen</source>
        <translation>画面に合わせる</translation>
    </message>
</context>
<context>
    <name>CCupsConnection</name>
    <message>
        <source>The print scheduler did not answer within %1 s.</source>
        <translation>印刷スケジューラが %1 秒以内に応答しませんでした。</translation>
    </message>
    <message>
        <source>The print scheduler cannot be reached.</source>
        <translation>印刷スケジューラに接続できません。</translation>
    </message>
    <message>
        <source>The print scheduler broke off without an answer.</source>
        <translation>印刷スケジューラが応答せずに接続を切りました。</translation>
    </message>
</context>
<context>
    <name>CCupsJob</name>
    <message>
        <source>The printer %1 is not there.</source>
        <translation>プリンター %1 がありません。</translation>
    </message>
    <message>
        <source>The printer %1 is stopped.</source>
        <translation>プリンター %1 は停止しています。</translation>
    </message>
    <message>
        <source>The printer %1 does not take jobs.</source>
        <translation>プリンター %1 はジョブを受け付けていません。</translation>
    </message>
</context>
<context>
    <name>CDataSource</name>
    <message>
        <source>%1 is too large for a data file.</source>
        <translation>%1 はデータ ファイルとしては大きすぎます。</translation>
    </message>
    <message>
        <source>The file is empty: its first line must name the columns.</source>
        <translation>ファイルが空です。1 行目に列の名前が必要です。</translation>
    </message>
    <message>
        <source>Line 1: every column needs a name of its own (&quot;%1&quot;).</source>
        <translation>1 行目: 列ごとに別の名前が必要です (「%1」)。</translation>
    </message>
    <message>
        <source>Line %1: %2 fields where the header names %3 columns.</source>
        <translation>%1 行目: 見出しは %3 列ですが、フィールドが %2 個あります。</translation>
    </message>
</context>
<context>
    <name>CDataSourceDlg</name>
    <message>
        <source>Data Source</source>
        <translation>データ ソース</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>コンマ</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>セミコロン</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>タブ</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>ファイル:</translation>
    </message>
    <message>
        <source>&amp;Separator</source>
        <translation>区切り文字(&amp;S)</translation>
    </message>
    <message>
        <source>Columns:</source>
        <translation>列:</translation>
    </message>
    <message>
        <source>One record.</source>
        <translation>1 件のレコード。</translation>
    </message>
    <message>
        <source>%1 records.</source>
        <translation>%1 件のレコード。</translation>
    </message>
</context>
<context>
    <name>CDelimitedReader</name>
    <message>
        <source>a closing quote must end its field</source>
        <translation>閉じる引用符の後でフィールドが終わっていません</translation>
    </message>
    <message>
        <source>the quoted field is never closed</source>
        <translation>引用符で囲んだフィールドが閉じていません</translation>
    </message>
    <message>
        <source>Line %1: %2.</source>
        <translation>%1 行目: %2。</translation>
    </message>
    <message>
        <source>The text is too large for a data file.</source>
        <translation>テキストがデータファイルとしては大きすぎます。</translation>
    </message>
</context>
<context>
    <name>CDocumentCommands</name>
    <message>
        <source>Bitmap file (*.bmp *.dib *.rle)</source>
        <translation>ビットマップ ファイル (*.bmp *.dib *.rle)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>画像の取り込み</translation>
    </message>
</context>
<context>
    <name>CDocumentFile</name>
    <message>
        <source>Unexpected file format.</source>
        <translation>予期しないファイル形式です。</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>ドキュメントを開けませんでした。</translation>
    </message>
    <message>
        <source>Failed to save document.</source>
        <translation>ドキュメントを保存できませんでした。</translation>
    </message>
</context>
<context>
    <name>CDocumentManager</name>
    <message>
        <source>Veldra2 File (*.vlz)</source>
        <translation>Veldra2 ファイル (*.vlz)</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>無題</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
    <message>
        <source>%1
Cannot find this file.
Please verify that the correct path and file name are given.</source>
        <translation>%1
ファイルが見つかりません。
パスとファイル名が正しいか確認してください。</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>名前を付けて保存</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>%1 への変更を保存しますか?</translation>
    </message>
</context>
<context>
    <name>CEngraverJob</name>
    <message>
        <source>The job could not be written.</source>
        <translation>ジョブを書き込めませんでした。</translation>
    </message>
</context>
<context>
    <name>CEngraverPropertiesDlg</name>
    <message>
        <source>Engraver Properties</source>
        <translation>彫刻機のプロパティ</translation>
    </message>
    <message>
        <source>&amp;Brightness:</source>
        <translation>明るさ(&amp;B):</translation>
    </message>
    <message>
        <source>Con&amp;trast:</source>
        <translation>コントラスト(&amp;T):</translation>
    </message>
    <message>
        <source>&amp;Gamma:</source>
        <translation>ガンマ(&amp;G):</translation>
    </message>
</context>
<context>
    <name>CFanTextDlg</name>
    <message>
        <source>Fan Text</source>
        <translation>扇形テキスト</translation>
    </message>
    <message>
        <source>&amp;Span</source>
        <translation>開き角(&amp;S)</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>度</translation>
    </message>
    <message>
        <source>Radi&amp;us</source>
        <translation>半径(&amp;U)</translation>
    </message>
    <message>
        <source>Invert Te&amp;xt</source>
        <translation>テキストを反転(&amp;X)</translation>
    </message>
</context>
<context>
    <name>CFieldRefusal</name>
    <message>
        <source>Please enter a number between %1 and %2.</source>
        <translation>%1 から %2 までの数値を入力してください。</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>%1 から %2 までの整数を入力してください。</translation>
    </message>
    <message>
        <source>Please enter a number, such as %1.</source>
        <translation>数値を入力してください (例: %1)。</translation>
    </message>
</context>
<context>
    <name>CFieldTemplate</name>
    <message>
        <source>A &quot;}&quot; at character %1 closes no field (write &quot;}}&quot; for the brace itself).</source>
        <translation>%1 文字目の「}」に対応するフィールドがありません (括弧そのものは「}}」と書きます)。</translation>
    </message>
    <message>
        <source>The field at character %1 is not closed (write &quot;{{&quot; for the brace itself).</source>
        <translation>%1 文字目のフィールドが閉じていません (括弧そのものは「{{」と書きます)。</translation>
    </message>
    <message>
        <source>A field has no name: write {Column}, {#}, {serial} or {date}.</source>
        <translation>フィールドに名前がありません。{列名}、{#}、{serial}、{date} のいずれかを書いてください。</translation>
    </message>
    <message>
        <source>The counter {serial:%1} is not a number: write {serial:0001} or {serial:0001+5}.</source>
        <translation>カウンター {serial:%1} が数値ではありません。{serial:0001} または {serial:0001+5} と書いてください。</translation>
    </message>
    <message>
        <source>The counter {serial:%1} runs out of the numbers a counter can hold by record %2.</source>
        <translation>カウンター {serial:%1} はレコード %2 でカウンターが扱える数の範囲を超えます。</translation>
    </message>
</context>
<context>
    <name>CGridSetupDlg</name>
    <message>
        <source>Show &amp;Grid</source>
        <translation>グリッドを表示(&amp;G)</translation>
    </message>
    <message>
        <source>Set &amp;Center line color</source>
        <translation>中心線の色(&amp;C)</translation>
    </message>
    <message>
        <source>Grid Setup</source>
        <translation>グリッドの設定</translation>
    </message>
    <message>
        <source>Interval (inch)</source>
        <translation>間隔 (インチ)</translation>
    </message>
    <message>
        <source>Interval (mm)</source>
        <translation>間隔 (mm)</translation>
    </message>
    <message>
        <source>&amp;Horizontal</source>
        <translation>水平(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Vertical</source>
        <translation>垂直(&amp;V)</translation>
    </message>
    <message>
        <source>Grid c&amp;olor</source>
        <translation>グリッドの色(&amp;O)</translation>
    </message>
</context>
<context>
    <name>CInputFile</name>
    <message>
        <source>it is a folder, not a file.</source>
        <translation>ファイルではなくフォルダーです。</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>通常のファイルではありません。</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>%1 を開けません: %2</translation>
    </message>
    <message>
        <source>%1
Cannot find this file.
Please verify that the correct path and file name are given.</source>
        <translation>%1
ファイルが見つかりません。
パスとファイル名が正しいか確認してください。</translation>
    </message>
</context>
<context>
    <name>CLayerRows</name>
    <message>
        <source>Picture</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>フレーム</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>シンボル</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Drawing pen</source>
        <translation>描画ペン</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>素材</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>コード</translation>
    </message>
</context>
<context>
    <name>CLayerWindow</name>
    <message>
        <source>Layer</source>
        <translation>レイヤー</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>上へ(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>下へ(&amp;D)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Join with Lower Layer</source>
        <translation>下のレイヤーと結合</translation>
    </message>
    <message>
        <source>Join with Displayed Layer</source>
        <translation>表示中のレイヤーと結合</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
</context>
<context>
    <name>CLibraryCommands</name>
    <message>
        <source>&quot;%1&quot; could not be read from the library.</source>
        <translation>「%1」をライブラリから読み込めませんでした。</translation>
    </message>
    <message>
        <source>Add Material</source>
        <translation>素材の追加</translation>
    </message>
    <message>
        <source>Add Frame</source>
        <translation>フレームの追加</translation>
    </message>
    <message>
        <source>Add Symbol</source>
        <translation>シンボルの追加</translation>
    </message>
</context>
<context>
    <name>CLibraryEntryFile</name>
    <message>
        <source>Please enter a name.</source>
        <translation>名前を入力してください。</translation>
    </message>
    <message>
        <source>A name cannot contain &quot;/&quot;.</source>
        <translation>名前に「/」は使えません。</translation>
    </message>
    <message>
        <source>A name cannot begin with &quot;.&quot;.</source>
        <translation>名前を「.」で始めることはできません。</translation>
    </message>
    <message>
        <source>A library cannot keep these characters of the name: %1</source>
        <translation>名前の次の文字はライブラリに保存できません: %1</translation>
    </message>
    <message>
        <source>A name can have at most %1 characters.</source>
        <translation>名前は %1 文字以内にしてください。</translation>
    </message>
    <message>
        <source>File already exists</source>
        <translation>ファイルは既に存在します</translation>
    </message>
</context>
<context>
    <name>CLibraryFiles</name>
    <message>
        <source>&quot;%1&quot; is no longer in the library folder.</source>
        <translation>「%1」はもうライブラリ フォルダーにありません。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be deleted: %2</source>
        <translation>「%1」を削除できませんでした: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be moved to the trash: %2
Hold Shift while deleting to delete it for good.</source>
        <translation>「%1」をごみ箱に移動できませんでした: %2
完全に削除するには Shift キーを押しながら削除してください。</translation>
    </message>
    <message>
        <source>There is already an entry named &quot;%1&quot;.</source>
        <translation>「%1」という名前の項目は既にあります。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be renamed: %2</source>
        <translation>「%1」の名前を変更できませんでした: %2</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Standard</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>Extended</source>
        <translation>拡張</translation>
    </message>
    <message>
        <source>%1[*] - Veldra2</source>
        <translation>%1[*] - Veldra2</translation>
    </message>
</context>
<context>
    <name>CMaterialSetup</name>
    <message>
        <source>The material &quot;%1&quot; cannot be read. The material was not changed.</source>
        <translation>素材「%1」を読み込めません。素材は変更されていません。</translation>
    </message>
</context>
<context>
    <name>CMaterialSetupDlg</name>
    <message>
        <source>&amp;Other...</source>
        <translation>その他(&amp;O)...</translation>
    </message>
    <message>
        <source>Material Setup</source>
        <translation>素材の設定</translation>
    </message>
    <message>
        <source>Size (inch)</source>
        <translation>サイズ (インチ)</translation>
    </message>
    <message>
        <source>Size (mm)</source>
        <translation>サイズ (mm)</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>幅(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Height</source>
        <translation>高さ(&amp;H)</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>四角形</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>ひし形</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>楕円</translation>
    </message>
</context>
<context>
    <name>CMenuLayout</name>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>ズーム(&amp;Z)</translation>
    </message>
    <message>
        <source>&amp;Object</source>
        <translation>オブジェクト(&amp;O)</translation>
    </message>
    <message>
        <source>I&amp;nsert</source>
        <translation>挿入(&amp;N)</translation>
    </message>
    <message>
        <source>A&amp;dd Parts</source>
        <translation>パーツの追加(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>Add Ma&amp;terial</source>
        <translation>素材の追加(&amp;T)</translation>
    </message>
</context>
<context>
    <name>CModuleSize</name>
    <message>
        <source>A module of %1 mm is less than %2 dots at %3 dpi; the smallest module that works is %4 mm.</source>
        <translation>%1 mm のモジュールは %3 dpi で %2 ドット未満です。使える最小のモジュールは %4 mm です。</translation>
    </message>
</context>
<context>
    <name>CPenSetupDlg</name>
    <message>
        <source>Pen Setup</source>
        <translation>ペンの設定</translation>
    </message>
    <message>
        <source>Pen &amp;&amp; Paint &amp;Color</source>
        <translation>ペンと塗りつぶしの色(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>幅(&amp;W)</translation>
    </message>
</context>
<context>
    <name>CPictureFileChooser</name>
    <message>
        <source>Bitmap file</source>
        <translation>ビットマップ ファイル</translation>
    </message>
    <message>
        <source>JPEG file</source>
        <translation>JPEG ファイル</translation>
    </message>
    <message>
        <source>All pictures</source>
        <translation>すべての画像</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
</context>
<context>
    <name>CPictureImport</name>
    <message>
        <source>%1
A layout cannot keep these characters of the file&apos;s name: %2
Rename the file and import it again.</source>
        <translation>%1
ファイル名の次の文字はレイアウトに保存できません: %2
ファイル名を変更してから、もう一度取り込んでください。</translation>
    </message>
    <message>
        <source>The material leaves no room inside its margins for a picture.</source>
        <translation>素材の余白の内側に画像を置く場所がありません。</translation>
    </message>
    <message>
        <source>%1 could not be placed on the plate.</source>
        <translation>%1 をプレートに配置できませんでした。</translation>
    </message>
</context>
<context>
    <name>CPictureLoader</name>
    <message>
        <source>%1
Unexpected file format.</source>
        <translation>%1
予期しないファイル形式です。</translation>
    </message>
</context>
<context>
    <name>CPicturePreviewPane</name>
    <message>
        <source>Engrave the &amp;dark parts</source>
        <translation>暗い部分を彫刻する(&amp;D)</translation>
    </message>
    <message>
        <source>White engraves. Tick this for a dark drawing on light paper: the picture is turned to its negative as it is added.</source>
        <translation>白い部分が彫刻されます。明るい紙に描いた暗い線画ではオンにしてください。追加するときに画像がネガ（白黒反転）になります。</translation>
    </message>
</context>
<context>
    <name>CPlateNames</name>
    <message>
        <source>(no data file)</source>
        <translation>(データファイルなし)</translation>
    </message>
    <message>
        <source>The file name&apos;s fields %1 name no column of the data. Its columns: %2.</source>
        <translation>ファイル名のフィールド %1 はデータのどの列も指していません。データの列: %2。</translation>
    </message>
    <message>
        <source>Record %1 gets no file name from &quot;%2&quot;.</source>
        <translation>レコード %1 では「%2」からファイル名が得られません。</translation>
    </message>
    <message>
        <source>Record %1&apos;s file name &quot;%2&quot; holds a &quot;/&quot;.</source>
        <translation>レコード %1 のファイル名「%2」に「/」が含まれています。</translation>
    </message>
    <message>
        <source>Record %1&apos;s file name holds a NUL character.</source>
        <translation>レコード %1 のファイル名に NUL 文字が含まれています。</translation>
    </message>
    <message>
        <source>Record %1&apos;s file name &quot;%2&quot; is another record&apos;s too: add {#} to the name.</source>
        <translation>レコード %1 のファイル名「%2」は別のレコードと同じです。名前に {#} を加えてください。</translation>
    </message>
</context>
<context>
    <name>CPlateRenderer</name>
    <message>
        <source>The plate is too large to render.</source>
        <translation>プレートが大きすぎて描画できません。</translation>
    </message>
    <message>
        <source>The material, %1 x %2 mm, has no size a plate can have.</source>
        <translation>素材 %1 x %2 mm はプレートが取り得る大きさではありません。</translation>
    </message>
    <message>
        <source>The material, %1 x %2 mm, is smaller than one dot of the engraver.</source>
        <translation>素材 %1 x %2 mm は刻印機の 1 ドットより小さいです。</translation>
    </message>
</context>
<context>
    <name>CPreferencesDlg</name>
    <message>
        <source>Preferences</source>
        <translation>環境設定</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>フォント</translation>
    </message>
    <message>
        <source>&amp;Change...</source>
        <translation>変更(&amp;C)...</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>ズーム(&amp;Z)</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>単位</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>システム(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Millimeter</source>
        <translation>ミリメートル(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Inch</source>
        <translation>インチ(&amp;I)</translation>
    </message>
    <message>
        <source>Margin (inch)</source>
        <translation>余白 (インチ)</translation>
    </message>
    <message>
        <source>Margin (mm)</source>
        <translation>余白 (mm)</translation>
    </message>
    <message>
        <source>Hori&amp;zontal</source>
        <translation>水平(&amp;Z)</translation>
    </message>
    <message>
        <source>Ve&amp;rtical</source>
        <translation>垂直(&amp;R)</translation>
    </message>
    <message>
        <source>U&amp;ndo Count</source>
        <translation>元に戻す回数(&amp;N)</translation>
    </message>
    <message>
        <source>Preview color</source>
        <translation>プレビューの色</translation>
    </message>
    <message>
        <source>Color&amp;1</source>
        <translation>色&amp;1</translation>
    </message>
    <message>
        <source>Color&amp;2</source>
        <translation>色&amp;2</translation>
    </message>
    <message>
        <source>&amp;User defined</source>
        <translation>ユーザー定義(&amp;U)</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>On</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>背景色</translation>
    </message>
    <message>
        <source>Use S&amp;ystem Color</source>
        <translation>システムの色を使う(&amp;Y)</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>素材</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>フレーム</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>シンボル</translation>
    </message>
    <message>
        <source>SPI</source>
        <translation>SPI</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Reset &amp;Default</source>
        <translation>既定値に戻す(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Advanced...</source>
        <translation>詳細設定(&amp;A)...</translation>
    </message>
    <message>
        <source> Folder</source>
        <translation> フォルダー</translation>
    </message>
    <message>
        <source>Autosave &amp;every</source>
        <translation>自動保存の間隔(&amp;E)</translation>
    </message>
    <message>
        <source>minutes (0: off)</source>
        <translation>分 (0: しない)</translation>
    </message>
</context>
<context>
    <name>CPreviewDlg</name>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source> 100%</source>
        <translation> 100%</translation>
    </message>
    <message>
        <source> 200%</source>
        <translation> 200%</translation>
    </message>
    <message>
        <source> 400%</source>
        <translation> 400%</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>ズーム(&amp;Z)</translation>
    </message>
    <message>
        <source>&amp;Set Standard</source>
        <translation>標準に設定(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>印刷(&amp;P)...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>&amp;Brightness</source>
        <translation>明るさ(&amp;B)</translation>
    </message>
    <message>
        <source>Con&amp;trast</source>
        <translation>コントラスト(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Gamma</source>
        <translation>ガンマ(&amp;G)</translation>
    </message>
</context>
<context>
    <name>CPrintBatchDlg</name>
    <message>
        <source>Print Batch</source>
        <translation>連続印刷</translation>
    </message>
    <message>
        <source>One plate and one print job per record; record %1 is shown.</source>
        <translation>レコードごとにプレート 1 枚、印刷ジョブ 1 つ。表示中はレコード %1 です。</translation>
    </message>
    <message>
        <source>&amp;From record</source>
        <translation>開始レコード(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;To record</source>
        <translation>終了レコード(&amp;T)</translation>
    </message>
    <message>
        <source>Printer: %1</source>
        <translation>プリンター: %1</translation>
    </message>
    <message>
        <source>No data file: the plates are numbered 1, 2, 3 ... for {#} and {serial}.</source>
        <translation>データ ファイルなし: {#} と {serial} のためにプレートに 1, 2, 3 ... と番号を付けます。</translation>
    </message>
    <message>
        <source>&amp;Plates</source>
        <translation>プレート数(&amp;P)</translation>
    </message>
    <message>
        <source>One plate will be sent to %1.</source>
        <translation>1 枚のプレートを %1 に送ります。</translation>
    </message>
    <message>
        <source>%1 plates will be sent to %2, one job each.</source>
        <translation>%1 枚のプレートを %2 に送ります (1 枚ごとに 1 ジョブ)。</translation>
    </message>
</context>
<context>
    <name>CPrintCommands</name>
    <message>
        <source>Sending %1 to the printer...</source>
        <translation>%1 をプリンターに送信しています...</translation>
    </message>
    <message>
        <source>Could not start print job.</source>
        <translation>印刷ジョブを開始できませんでした。</translation>
    </message>
    <message>
        <source>Sent %1 to %2, job %3.</source>
        <translation>%1 を %2 に送りました (ジョブ %3)。</translation>
    </message>
    <message>
        <source>Could not print %1 on %2: %3</source>
        <translation>%1 を %2 で印刷できませんでした: %3</translation>
    </message>
    <message>
        <source>Waiting for the print scheduler to answer (at most %1 s)...</source>
        <translation>印刷スケジューラの応答を待っています (最大 %1 秒)...</translation>
    </message>
</context>
<context>
    <name>CPrintSetupDlg</name>
    <message>
        <source>No printers are installed.</source>
        <translation>プリンターがインストールされていません。</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>印刷の設定</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>印刷(&amp;P)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>P&amp;rinter:</source>
        <translation>プリンター(&amp;R):</translation>
    </message>
    <message>
        <source>Where:</source>
        <translation>場所:</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>コメント:</translation>
    </message>
    <message>
        <source>Paper &amp;size:</source>
        <translation>用紙サイズ(&amp;S):</translation>
    </message>
    <message>
        <source>&amp;Copies:</source>
        <translation>部数(&amp;C):</translation>
    </message>
    <message>
        <source>The default printer</source>
        <translation>既定のプリンター</translation>
    </message>
    <message>
        <source>The printer&apos;s settings could not be saved.</source>
        <translation>プリンターの設定を保存できませんでした。</translation>
    </message>
    <message>
        <source>Pr&amp;operties...</source>
        <translation>プロパティ(&amp;O)...</translation>
    </message>
</context>
<context>
    <name>CPrintSetupRules</name>
    <message>
        <source>Ready</source>
        <translation>準備完了</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>印刷中</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>%1, not accepting jobs</source>
        <translation>%1、ジョブを受け付けていません</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>CProofJob</name>
    <message>
        <source>The job could not be written.</source>
        <translation>ジョブを書き込めませんでした。</translation>
    </message>
</context>
<context>
    <name>CPropertiesDlg</name>
    <message>
        <source>Properties</source>
        <translation>プロパティ</translation>
    </message>
    <message>
        <source>Position (inch)</source>
        <translation>位置 (インチ)</translation>
    </message>
    <message>
        <source>Position (mm)</source>
        <translation>位置 (mm)</translation>
    </message>
    <message>
        <source>Size (inch)</source>
        <translation>サイズ (インチ)</translation>
    </message>
    <message>
        <source>Size (mm)</source>
        <translation>サイズ (mm)</translation>
    </message>
    <message>
        <source>Keep &amp;Aspect</source>
        <translation>縦横比を保持(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>幅(&amp;W)</translation>
    </message>
    <message>
        <source>H&amp;eight</source>
        <translation>高さ(&amp;E)</translation>
    </message>
</context>
<context>
    <name>CRecordCodes</name>
    <message>
        <source>The code &quot;%1&quot;: %2</source>
        <translation>コード「%1」: %2</translation>
    </message>
    <message>
        <source>Record %1: %2</source>
        <translation>レコード %1: %2</translation>
    </message>
</context>
<context>
    <name>CRecordDisplay</name>
    <message>
        <source>The data holds no records.</source>
        <translation>データにレコードがありません。</translation>
    </message>
</context>
<context>
    <name>CRecordLayout</name>
    <message>
        <source>The text &quot;%1&quot;: %2</source>
        <translation>テキスト「%1」: %2</translation>
    </message>
    <message>
        <source>(no data file)</source>
        <translation>(データ ファイルなし)</translation>
    </message>
    <message>
        <source>The layout&apos;s fields %1 name no column of the data. Its columns: %2.</source>
        <translation>レイアウトのフィールド %1 に当たる列がデータにありません。データの列: %2。</translation>
    </message>
    <message>
        <source>Record %1, column &quot;%2&quot;: the text&apos;s code page cannot hold &quot;%3&quot;.</source>
        <translation>レコード %1、列「%2」: テキストのコード ページでは「%3」を表せません。</translation>
    </message>
    <message>
        <source>Record %1, column &quot;%2&quot;: the value holds a NUL character.</source>
        <translation>レコード %1、列「%2」: 値に NUL 文字が含まれています。</translation>
    </message>
</context>
<context>
    <name>CRecordNavigator</name>
    <message>
        <source>Records</source>
        <translation>レコード</translation>
    </message>
    <message>
        <source>Record number</source>
        <translation>レコード番号</translation>
    </message>
    <message>
        <source>Stop using the data source</source>
        <translation>データ ソースの使用をやめる</translation>
    </message>
    <message>
        <source> of %1 (%2)</source>
        <translation> / %1 (%2)</translation>
    </message>
</context>
<context>
    <name>CRecoveryDlg</name>
    <message>
        <source>Recover Layouts</source>
        <translation>レイアウトの復元</translation>
    </message>
    <message>
        <source>Veldra2 did not exit normally. These layouts had changes that were not saved:</source>
        <translation>Veldra2 は正常に終了しませんでした。次のレイアウトに保存されていない変更がありました:</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>レイアウト</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Kept at</source>
        <translation>保存時刻</translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>復元(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>破棄(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>後で(&amp;L)</translation>
    </message>
    <message>
        <source>(never saved)</source>
        <translation>(未保存)</translation>
    </message>
    <message>
        <source>The kept changes of %1 could not all be deleted.</source>
        <translation>%1 の保存済みの変更をすべては削除できませんでした。</translation>
    </message>
</context>
<context>
    <name>CRecoverySession</name>
    <message>
        <source>The recovery folder %1 cannot be used.</source>
        <translation>復元フォルダー %1 を使用できません。</translation>
    </message>
</context>
<context>
    <name>CRotateImageDlg</name>
    <message>
        <source>Rotate Image</source>
        <translation>画像の回転</translation>
    </message>
    <message>
        <source>&amp;Angle:</source>
        <translation>角度(&amp;A):</translation>
    </message>
</context>
<context>
    <name>CSafeSave</name>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>%1 を保存できません: %2</translation>
    </message>
    <message>
        <source>it is a folder.</source>
        <translation>フォルダーです。</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>通常のファイルではありません。</translation>
    </message>
    <message>
        <source>the file is not open.</source>
        <translation>ファイルが開かれていません。</translation>
    </message>
    <message>
        <source>the data could not be written.</source>
        <translation>データを書き込めませんでした。</translation>
    </message>
    <message>
        <source>it is a symbolic link.</source>
        <translation>シンボリックリンクです。</translation>
    </message>
    <message>
        <source>no new file could be made beside it.</source>
        <translation>その横に新しいファイルを作成できませんでした。</translation>
    </message>
</context>
<context>
    <name>CSaneOptions</name>
    <message>
        <source>The scanner cannot scan in the mode &quot;%1&quot;.</source>
        <translation>スキャナーはモード「%1」でスキャンできません。</translation>
    </message>
    <message>
        <source>The scanner cannot scan at %1 dpi.</source>
        <translation>スキャナーは %1 dpi でスキャンできません。</translation>
    </message>
    <message>
        <source>The scanner cannot scan the chosen area.</source>
        <translation>スキャナーは選んだ範囲をスキャンできません。</translation>
    </message>
</context>
<context>
    <name>CSaneStatusText</name>
    <message>
        <source>The scan was cancelled.</source>
        <translation>スキャンはキャンセルされました。</translation>
    </message>
    <message>
        <source>There is no document in the scanner.</source>
        <translation>スキャナーに原稿がありません。</translation>
    </message>
    <message>
        <source>The document is jammed in the scanner.</source>
        <translation>スキャナーで原稿が詰まりました。</translation>
    </message>
    <message>
        <source>The scanner&apos;s cover is open.</source>
        <translation>スキャナーのカバーが開いています。</translation>
    </message>
    <message>
        <source>The scanner is busy.</source>
        <translation>スキャナーは使用中です。</translation>
    </message>
    <message>
        <source>The scanner cannot be reached: it may have been switched off or unplugged.</source>
        <translation>スキャナーに接続できません。電源が切れているか、ケーブルが外れている可能性があります。</translation>
    </message>
    <message>
        <source>The scanner ran out of memory.</source>
        <translation>スキャナーのメモリが不足しました。</translation>
    </message>
    <message>
        <source>Access to the scanner was denied.</source>
        <translation>スキャナーへのアクセスが拒否されました。</translation>
    </message>
    <message>
        <source>The scanner reported an error: %1</source>
        <translation>スキャナーがエラーを報告しました: %1</translation>
    </message>
</context>
<context>
    <name>CScanCommands</name>
    <message>
        <source>No scanner was found. Check that it is connected and switched on, and that SANE knows it (scanimage -L).</source>
        <translation>スキャナーが見つかりませんでした。接続され電源が入っていること、SANE が認識していること (scanimage -L) を確認してください。</translation>
    </message>
    <message>
        <source>The scanner &quot;%1&quot; could not be opened: %2</source>
        <translation>スキャナー「%1」を開けませんでした: %2</translation>
    </message>
</context>
<context>
    <name>CScanDlg</name>
    <message>
        <source>Scan</source>
        <translation>スキャン</translation>
    </message>
    <message>
        <source>%1 dpi</source>
        <translation>%1 dpi</translation>
    </message>
    <message>
        <source>Scanner:</source>
        <translation>スキャナー:</translation>
    </message>
    <message>
        <source>&amp;Resolution:</source>
        <translation>解像度(&amp;R):</translation>
    </message>
    <message>
        <source>&amp;Mode:</source>
        <translation>モード(&amp;M):</translation>
    </message>
    <message>
        <source>Drag on the preview to scan only a part.</source>
        <translation>プレビュー上をドラッグすると一部だけをスキャンします。</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>プレビュー(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Scan</source>
        <translation>スキャン(&amp;S)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Previewing...</source>
        <translation>プレビュー中...</translation>
    </message>
    <message>
        <source>Scanning...</source>
        <translation>スキャン中...</translation>
    </message>
    <message>
        <source>The scan was cancelled.</source>
        <translation>スキャンはキャンセルされました。</translation>
    </message>
    <message>
        <source>There is no document in the scanner.</source>
        <translation>スキャナーに原稿がありません。</translation>
    </message>
    <message>
        <source>The scan failed.</source>
        <translation>スキャンに失敗しました。</translation>
    </message>
</context>
<context>
    <name>CScanFrameAssembler</name>
    <message>
        <source>The scanner started a new frame before ending the last one.</source>
        <translation>スキャナーが前のフレームを終える前に新しいフレームを始めました。</translation>
    </message>
    <message>
        <source>There is not enough memory for the scanned picture.</source>
        <translation>スキャンした画像に使えるメモリが足りません。</translation>
    </message>
    <message>
        <source>The scanner sends pictures in a format this program cannot read.</source>
        <translation>スキャナーが、このプログラムでは読めない形式で画像を送っています。</translation>
    </message>
    <message>
        <source>The scanner reported an impossible picture size.</source>
        <translation>スキャナーがありえない画像サイズを報告しました。</translation>
    </message>
    <message>
        <source>The scanner reported a line length that does not match its picture width.</source>
        <translation>スキャナーが報告した行の長さが画像の幅と一致しません。</translation>
    </message>
    <message>
        <source>The scanned picture would be too large.</source>
        <translation>スキャンした画像が大きすぎます。</translation>
    </message>
    <message>
        <source>The scanner sent more lines than it announced.</source>
        <translation>スキャナーが予告より多くの行を送りました。</translation>
    </message>
    <message>
        <source>The scanner&apos;s colour frames do not fit together.</source>
        <translation>スキャナーのカラー フレームが合いません。</translation>
    </message>
    <message>
        <source>The scanner sent data outside a frame.</source>
        <translation>スキャナーがフレームの外でデータを送りました。</translation>
    </message>
    <message>
        <source>The scanner ended a frame it never started.</source>
        <translation>スキャナーが始めていないフレームを終了しました。</translation>
    </message>
    <message>
        <source>The scanner sent no picture.</source>
        <translation>スキャナーから画像が送られませんでした。</translation>
    </message>
</context>
<context>
    <name>CScanSession</name>
    <message>
        <source>The scanner library could not be started: %1</source>
        <translation>スキャナー ライブラリを開始できませんでした: %1</translation>
    </message>
    <message>
        <source>No scanner was found.</source>
        <translation>スキャナーが見つかりませんでした。</translation>
    </message>
    <message>
        <source>The scanner &quot;%1&quot; could not be opened: %2</source>
        <translation>スキャナー「%1」を開けませんでした: %2</translation>
    </message>
    <message>
        <source>The scanner is not open.</source>
        <translation>スキャナーが開かれていません。</translation>
    </message>
    <message>
        <source>The scanner stopped answering. It was left as it is: switch it off and on again before the next scan.</source>
        <translation>スキャナーが応答しなくなりました。そのままにしてあります。次のスキャンの前に電源を入れ直してください。</translation>
    </message>
</context>
<context>
    <name>CScanSourceDlg</name>
    <message>
        <source>Select Source</source>
        <translation>入力ソースの選択</translation>
    </message>
    <message>
        <source>Scanner</source>
        <translation>スキャナー</translation>
    </message>
    <message>
        <source>Vendor</source>
        <translation>メーカー</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>モデル</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
</context>
<context>
    <name>CSelectTool</name>
    <message>
        <source>Drag to rotate; drag the centre handle to move</source>
        <translation>ドラッグで回転、中心のハンドルをドラッグで移動</translation>
    </message>
</context>
<context>
    <name>CSettingsCommands</name>
    <message>
        <source>The settings could not be saved to %1.</source>
        <translation>設定を %1 に保存できませんでした。</translation>
    </message>
</context>
<context>
    <name>CStarterLibrary</name>
    <message>
        <source>Hexagon</source>
        <translation>六角形</translation>
    </message>
    <message>
        <source>Oval</source>
        <translation>楕円</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>円</translation>
    </message>
    <message>
        <source>Rounded rectangle</source>
        <translation>角丸四角形</translation>
    </message>
    <message>
        <source>Shield</source>
        <translation>盾</translation>
    </message>
    <message>
        <source>Tag with hole</source>
        <translation>穴あきタグ</translation>
    </message>
    <message>
        <source>Beaded</source>
        <translation>ビーズ</translation>
    </message>
    <message>
        <source>Dashed</source>
        <translation>破線</translation>
    </message>
    <message>
        <source>Dotted</source>
        <translation>点線</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>二重線</translation>
    </message>
    <message>
        <source>Ornamental corners</source>
        <translation>飾りコーナー</translation>
    </message>
    <message>
        <source>Rounded</source>
        <translation>角丸</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>一重線</translation>
    </message>
    <message>
        <source>Thick and thin</source>
        <translation>太線と細線</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>矢印</translation>
    </message>
    <message>
        <source>Check mark</source>
        <translation>チェック マーク</translation>
    </message>
    <message>
        <source>Cross mark</source>
        <translation>バツ印</translation>
    </message>
    <message>
        <source>First aid</source>
        <translation>救急</translation>
    </message>
    <message>
        <source>Gear</source>
        <translation>歯車</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>ハート</translation>
    </message>
    <message>
        <source>High voltage</source>
        <translation>高電圧</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Prohibited</source>
        <translation>禁止</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>星</translation>
    </message>
    <message>
        <source>Turn arrow</source>
        <translation>回転矢印</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
</context>
<context>
    <name>CStartupLogoWnd</name>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
</context>
<context>
    <name>CStatusTexts</name>
    <message>
        <source>inch</source>
        <translation>インチ</translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation>カーソル</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
</context>
<context>
    <name>CSymbolDlg</name>
    <message>
        <source>Material</source>
        <translation>素材</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>フレーム</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>シンボル</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>挿入</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>追加(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Reflesh	F5</source>
        <translation>最新の情報に更新(&amp;R)	F5</translation>
    </message>
    <message>
        <source>Rena&amp;me	F2</source>
        <translation>名前の変更(&amp;M)	F2</translation>
    </message>
    <message>
        <source>&amp;Delete	Delete</source>
        <translation>削除(&amp;D)	Delete</translation>
    </message>
    <message>
        <source>Reading the library...</source>
        <translation>ライブラリを読み込んでいます...</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; for good? It cannot be brought back from the trash.</source>
        <translation>「%1」を完全に削除しますか? ごみ箱から元に戻すことはできません。</translation>
    </message>
    <message>
        <source>&amp;File...</source>
        <translation>ファイル(&amp;F)...</translation>
    </message>
    <message>
        <source>&amp;Scan...</source>
        <translation>スキャン(&amp;S)...</translation>
    </message>
</context>
<context>
    <name>CTextBlockDlg</name>
    <message>
        <source>Text Block</source>
        <translation>テキスト ブロック</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>幅(&amp;W)</translation>
    </message>
    <message>
        <source>He&amp;ight</source>
        <translation>高さ(&amp;I)</translation>
    </message>
    <message>
        <source>Background Margin</source>
        <translation>背景の余白</translation>
    </message>
    <message>
        <source>Hori&amp;zontal</source>
        <translation>水平(&amp;Z)</translation>
    </message>
    <message>
        <source>&amp;Fill Background</source>
        <translation>背景を塗りつぶす(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Draw Edge</source>
        <translation>枠を描く(&amp;D)</translation>
    </message>
    <message>
        <source>Thic&amp;k Edge</source>
        <translation>太い枠(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Anti-aliasing</source>
        <translation>アンチエイリアス(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Back Color</source>
        <translation>背景色(&amp;B)</translation>
    </message>
    <message>
        <source>Ed&amp;ge Color</source>
        <translation>枠の色(&amp;G)</translation>
    </message>
    <message>
        <source>Vertica&amp;l</source>
        <translation>垂直(&amp;L)</translation>
    </message>
</context>
<context>
    <name>CTextCharSet</name>
    <message>
        <source>This text cannot be stored: no one character set holds all of it. Remove these characters or put them in a text of their own: %1</source>
        <translation>このテキストは保存できません。すべてを含む文字セットがありません。次の文字を取り除くか、別のテキストに分けてください: %1</translation>
    </message>
</context>
<context>
    <name>CTextDlg</name>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>幅(&amp;W)</translation>
    </message>
</context>
<context>
    <name>CTextPropDlg</name>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>He&amp;ight</source>
        <translation>高さ(&amp;I)</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>回転</translation>
    </message>
    <message>
        <source>&amp;Rotate Text</source>
        <translation>テキストを回転(&amp;R)</translation>
    </message>
    <message>
        <source>Rotation &amp;Angle</source>
        <translation>回転角度(&amp;A)</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>度</translation>
    </message>
    <message>
        <source>&amp;Fill Background</source>
        <translation>背景を塗りつぶす(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Back Color</source>
        <translation>背景色(&amp;B)</translation>
    </message>
</context>
<context>
    <name>CTrimmingDlg</name>
    <message>
        <source>&amp;Keep Aspect</source>
        <translation>縦横比を保持(&amp;K)</translation>
    </message>
    <message>
        <source>Trimming Picture</source>
        <translation>画像のトリミング</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>全体(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Same size</source>
        <translation>同じサイズ(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Free</source>
        <translation>自由(&amp;F)</translation>
    </message>
    <message>
        <source>Size (inch)</source>
        <translation>サイズ (インチ)</translation>
    </message>
    <message>
        <source>Size (mm)</source>
        <translation>サイズ (mm)</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>幅(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Height</source>
        <translation>高さ(&amp;H)</translation>
    </message>
</context>
<context>
    <name>CUnitFormat</name>
    <message>
        <source>inch</source>
        <translation>インチ</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
</context>
<context>
    <name>CZoomStatusBar</name>
    <message>
        <source>Position: -000.000, -000.000 inch</source>
        <translation>位置: -000.000, -000.000 インチ</translation>
    </message>
    <message>
        <source>1000%</source>
        <translation>1000%</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>このヘルプを表示して終了します。</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>バージョンを表示して終了します。</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>&amp;New</source>
        <translation>新規作成(&amp;N)</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>新しいドキュメントを作成します</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>開く(&amp;O)...</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>既存のドキュメントを開きます</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>上書き保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>作業中のドキュメントを保存します</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>名前を付けて保存(&amp;A)...</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>作業中のドキュメントに新しい名前を付けて保存します</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>画像の取り込み(&amp;I)...</translation>
    </message>
    <message>
        <source>Import Picture</source>
        <translation>画像の取り込み</translation>
    </message>
    <message>
        <source>Se&amp;lect Source...</source>
        <translation>入力ソースの選択(&amp;L)...</translation>
    </message>
    <message>
        <source>Select TWAIN data source</source>
        <translation>TWAIN データ ソースを選択します</translation>
    </message>
    <message>
        <source>A&amp;cquire...</source>
        <translation>スキャナから入力(&amp;C)...</translation>
    </message>
    <message>
        <source>Acquire image</source>
        <translation>画像を入力します</translation>
    </message>
    <message>
        <source>&amp;File...</source>
        <translation>ファイル(&amp;F)...</translation>
    </message>
    <message>
        <source>Add a material to the library from a picture file</source>
        <translation>画像ファイルから素材をライブラリに追加します</translation>
    </message>
    <message>
        <source>&amp;Scan...</source>
        <translation>スキャン(&amp;S)...</translation>
    </message>
    <message>
        <source>Add a material to the library from the scanner</source>
        <translation>スキャナーから素材をライブラリに追加します</translation>
    </message>
    <message>
        <source>&amp;Material Setup...</source>
        <translation>素材の設定(&amp;M)...</translation>
    </message>
    <message>
        <source>Set the size and outline of the material</source>
        <translation>素材のサイズと形状を設定します</translation>
    </message>
    <message>
        <source>Output to &amp;Bmp file...</source>
        <translation>BMP ファイルに出力(&amp;B)...</translation>
    </message>
    <message>
        <source>Output to Bmp file</source>
        <translation>BMP ファイルに出力</translation>
    </message>
    <message>
        <source>Output to Clipboard</source>
        <translation>クリップボードに出力</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>印刷(&amp;P)...</translation>
    </message>
    <message>
        <source>Engrave the layout</source>
        <translation>レイアウトを彫刻します</translation>
    </message>
    <message>
        <source>Print &amp;Directly</source>
        <translation>直接印刷(&amp;D)</translation>
    </message>
    <message>
        <source>Engrave the layout on the chosen engraver without asking</source>
        <translation>確認せずに選択中の彫刻機でレイアウトを彫刻します</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>印刷プレビュー(&amp;V)...</translation>
    </message>
    <message>
        <source>Preview the engraved plate</source>
        <translation>彫刻後のプレートをプレビューします</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>印刷の設定(&amp;R)...</translation>
    </message>
    <message>
        <source>Choose the engraver and its options</source>
        <translation>彫刻機とそのオプションを選択します</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>アプリケーションを終了します。ドキュメントの保存を確認します</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>直前の操作を元に戻します</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直し(&amp;R)</translation>
    </message>
    <message>
        <source>Redo the previously undone action</source>
        <translation>元に戻した操作をやり直します</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>切り取り(&amp;T)</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard</source>
        <translation>選択範囲を切り取ってクリップボードに置きます</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard</source>
        <translation>選択範囲をコピーしてクリップボードに置きます</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>貼り付け(&amp;P)</translation>
    </message>
    <message>
        <source>Insert Clipboard contents</source>
        <translation>クリップボードの内容を挿入します</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>Delete the selection</source>
        <translation>選択範囲を削除します</translation>
    </message>
    <message>
        <source>&amp;Move Center</source>
        <translation>中央へ移動(&amp;M)</translation>
    </message>
    <message>
        <source>Move the selection to the centre of the material</source>
        <translation>選択範囲を素材の中央へ移動します</translation>
    </message>
    <message>
        <source>Edit the properties of the selection</source>
        <translation>選択範囲のプロパティを編集します</translation>
    </message>
    <message>
        <source>Pre&amp;ferences...</source>
        <translation>環境設定(&amp;F)...</translation>
    </message>
    <message>
        <source>Change the program&apos;s settings</source>
        <translation>プログラムの設定を変更します</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>ツール バー(&amp;T)</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>ツール バーの表示/非表示を切り替えます</translation>
    </message>
    <message>
        <source>&amp;Extended Toolbar</source>
        <translation>拡張ツール バー(&amp;E)</translation>
    </message>
    <message>
        <source>Show or hide the extended toolbar</source>
        <translation>拡張ツール バーの表示/非表示を切り替えます</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>ステータス バー(&amp;S)</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>ステータス バーの表示/非表示を切り替えます</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>拡大(&amp;I)</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>拡大します</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>縮小(&amp;O)</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>縮小します</translation>
    </message>
    <message>
        <source>&amp;Fit to Screen</source>
        <translation>画面に合わせる(&amp;F)</translation>
    </message>
    <message>
        <source>Show the whole material</source>
        <translation>素材全体を表示します</translation>
    </message>
    <message>
        <source>50%</source>
        <translation>50%</translation>
    </message>
    <message>
        <source>Zoom to 50%</source>
        <translation>50% で表示します</translation>
    </message>
    <message>
        <source>100%</source>
        <translation>100%</translation>
    </message>
    <message>
        <source>Zoom to 100%</source>
        <translation>100% で表示します</translation>
    </message>
    <message>
        <source>200%</source>
        <translation>200%</translation>
    </message>
    <message>
        <source>Zoom to 200%</source>
        <translation>200% で表示します</translation>
    </message>
    <message>
        <source>400%</source>
        <translation>400%</translation>
    </message>
    <message>
        <source>Zoom to 400%</source>
        <translation>400% で表示します</translation>
    </message>
    <message>
        <source>Show &amp;Grid</source>
        <translation>グリッドを表示(&amp;G)</translation>
    </message>
    <message>
        <source>Show or hide the grid</source>
        <translation>グリッドの表示/非表示を切り替えます</translation>
    </message>
    <message>
        <source>Grid Set&amp;up...</source>
        <translation>グリッドの設定(&amp;U)...</translation>
    </message>
    <message>
        <source>Set the grid pitch and colours</source>
        <translation>グリッドの間隔と色を設定します</translation>
    </message>
    <message>
        <source>&amp;Layer...</source>
        <translation>レイヤー(&amp;L)...</translation>
    </message>
    <message>
        <source>Show or hide layer window</source>
        <translation>レイヤー ウィンドウの表示/非表示を切り替えます</translation>
    </message>
    <message>
        <source>In&amp;vert</source>
        <translation>反転(&amp;V)</translation>
    </message>
    <message>
        <source>Invert the engraved and the bare parts</source>
        <translation>彫刻する部分としない部分を入れ替えます</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>選択(&amp;S)</translation>
    </message>
    <message>
        <source>Select Object</source>
        <translation>オブジェクトを選択します</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>ズーム(&amp;Z)</translation>
    </message>
    <message>
        <source>Zoom in or out</source>
        <translation>拡大または縮小します</translation>
    </message>
    <message>
        <source>Scro&amp;ll</source>
        <translation>スクロール(&amp;L)</translation>
    </message>
    <message>
        <source>Scroll the screen</source>
        <translation>画面をスクロールします</translation>
    </message>
    <message>
        <source>Text &amp;Block</source>
        <translation>テキスト ブロック(&amp;B)</translation>
    </message>
    <message>
        <source>Insert Text Block</source>
        <translation>テキスト ブロックを挿入します</translation>
    </message>
    <message>
        <source>Drawing &amp;Pen</source>
        <translation>描画ペン(&amp;P)</translation>
    </message>
    <message>
        <source>Drawing Pen</source>
        <translation>描画ペン</translation>
    </message>
    <message>
        <source>&amp;Fill Paint</source>
        <translation>塗りつぶし(&amp;F)</translation>
    </message>
    <message>
        <source>Fill Paint</source>
        <translation>塗りつぶし</translation>
    </message>
    <message>
        <source>&amp;Horizontal Text</source>
        <translation>横書きテキスト(&amp;H)</translation>
    </message>
    <message>
        <source>Insert Horizontal Text</source>
        <translation>横書きテキストを挿入します</translation>
    </message>
    <message>
        <source>F&amp;an Text</source>
        <translation>扇形テキスト(&amp;A)</translation>
    </message>
    <message>
        <source>Insert Fan Text</source>
        <translation>扇形テキストを挿入します</translation>
    </message>
    <message>
        <source>Text Tools</source>
        <translation>テキスト ツール</translation>
    </message>
    <message>
        <source>Insert horizontal or fan text</source>
        <translation>横書きテキストまたは扇形テキストを挿入します</translation>
    </message>
    <message>
        <source>Pen Set&amp;up...</source>
        <translation>ペンの設定(&amp;U)...</translation>
    </message>
    <message>
        <source>Set the width and colour of the drawing pen</source>
        <translation>描画ペンの幅と色を設定します</translation>
    </message>
    <message>
        <source>&amp;Material...</source>
        <translation>素材(&amp;M)...</translation>
    </message>
    <message>
        <source>Insert a material from the library</source>
        <translation>ライブラリから素材を挿入します</translation>
    </message>
    <message>
        <source>&amp;Frame...</source>
        <translation>フレーム(&amp;F)...</translation>
    </message>
    <message>
        <source>Insert a frame from the library</source>
        <translation>ライブラリからフレームを挿入します</translation>
    </message>
    <message>
        <source>&amp;Symbol...</source>
        <translation>シンボル(&amp;S)...</translation>
    </message>
    <message>
        <source>Insert a symbol from the library</source>
        <translation>ライブラリからシンボルを挿入します</translation>
    </message>
    <message>
        <source>Add a frame to the library</source>
        <translation>ライブラリにフレームを追加します</translation>
    </message>
    <message>
        <source>Add a symbol to the library</source>
        <translation>ライブラリにシンボルを追加します</translation>
    </message>
    <message>
        <source>&amp;Trimming...</source>
        <translation>トリミング(&amp;T)...</translation>
    </message>
    <message>
        <source>Trim the picture to a rectangle</source>
        <translation>画像を四角形にトリミングします</translation>
    </message>
    <message>
        <source>Crop &amp;Image...</source>
        <translation>画像の切り抜き(&amp;I)...</translation>
    </message>
    <message>
        <source>Make parts of the picture transparent</source>
        <translation>画像の一部を透過させます</translation>
    </message>
    <message>
        <source>R&amp;otate Image...</source>
        <translation>画像の回転(&amp;O)...</translation>
    </message>
    <message>
        <source>Turn the picture by quarter turns</source>
        <translation>画像を 90 度単位で回転します</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>ヘルプ トピック(&amp;H)</translation>
    </message>
    <message>
        <source>Open the manual</source>
        <translation>マニュアルを開きます</translation>
    </message>
    <message>
        <source>&amp;About Veldra2...</source>
        <translation>Veldra2 のバージョン情報(&amp;A)...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>プログラムの情報、バージョン番号、著作権を表示します</translation>
    </message>
    <message>
        <source>O&amp;utput to Clipboard</source>
        <translation>クリップボードに出力(&amp;U)</translation>
    </message>
    <message>
        <source>Pr&amp;operties...</source>
        <translation>プロパティ(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Data Source...</source>
        <translation>データ ソース(&amp;D)...</translation>
    </message>
    <message>
        <source>Choose the data file whose records fill the layout&apos;s fields</source>
        <translation>レイアウトのフィールドを埋めるレコードのデータ ファイルを選択します</translation>
    </message>
    <message>
        <source>Print Batc&amp;h...</source>
        <translation>連続印刷(&amp;H)...</translation>
    </message>
    <message>
        <source>Engrave one plate per record</source>
        <translation>レコードごとにプレートを 1 枚彫刻します</translation>
    </message>
    <message>
        <source>First Record</source>
        <translation>最初のレコード</translation>
    </message>
    <message>
        <source>Show the first record</source>
        <translation>最初のレコードを表示します</translation>
    </message>
    <message>
        <source>Previous Record</source>
        <translation>前のレコード</translation>
    </message>
    <message>
        <source>Show the previous record</source>
        <translation>前のレコードを表示します</translation>
    </message>
    <message>
        <source>Next Record</source>
        <translation>次のレコード</translation>
    </message>
    <message>
        <source>Show the next record</source>
        <translation>次のレコードを表示します</translation>
    </message>
    <message>
        <source>Last Record</source>
        <translation>最後のレコード</translation>
    </message>
    <message>
        <source>Show the last record</source>
        <translation>最後のレコードを表示します</translation>
    </message>
    <message>
        <source>&amp;Code...</source>
        <translation>コード(&amp;C)...</translation>
    </message>
    <message>
        <source>Insert a Data Matrix, QR or Code 128 code</source>
        <translation>データマトリックス、QR、Code 128 のコードを挿入</translation>
    </message>
</context>
<context>
    <name>DialogSupport</name>
    <message>
        <source>&amp;Horizontal</source>
        <translation>水平(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Vertical</source>
        <translation>垂直(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Text</source>
        <translation>テキスト(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Change...</source>
        <translation>変更(&amp;C)...</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>フォント</translation>
    </message>
    <message>
        <source>F&amp;ont Color</source>
        <translation>フォントの色(&amp;O)</translation>
    </message>
</context>
<context>
    <name>Resources</name>
    <message>
        <source>Veldra2 Resource #0</source>
        <extracomment>The check text of a replacement catalog: keep it exactly as it is.</extracomment>
        <translation>Veldra2 Resource #0</translation>
    </message>
</context>
</TS>
