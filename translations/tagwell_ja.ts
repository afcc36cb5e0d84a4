<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>Barcode1DForm</name>
    <message>
        <source>Q-Zone</source>
        <translation>Qゾーン</translation>
    </message>
    <message>
        <source>1D Barcode Command</source>
        <translation>1次元バーコードコマンド</translation>
    </message>
    <message>
        <source>X pos</source>
        <translation>X位置</translation>
    </message>
    <message>
        <source>Y pos</source>
        <translation>Y位置</translation>
    </message>
    <message>
        <source>Barcode</source>
        <translation>バーコード</translation>
    </message>
    <message>
        <source>N-Bar W</source>
        <translation>細バー幅</translation>
    </message>
    <message>
        <source>W-Bar W</source>
        <translation>太バー幅</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>高さ</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>回転</translation>
    </message>
    <message>
        <source>HRI</source>
        <translation>HRI</translation>
    </message>
</context>
<context>
    <name>Barcode2DForm</name>
    <message>
        <source>2D Barcode Command</source>
        <translation>2次元バーコードコマンド</translation>
    </message>
    <message>
        <source>Mode 0</source>
        <translation>モード0</translation>
    </message>
    <message>
        <source>Mode 2</source>
        <translation>モード2</translation>
    </message>
    <message>
        <source>Mode 3</source>
        <translation>モード3</translation>
    </message>
    <message>
        <source>Mode 4</source>
        <translation>モード4</translation>
    </message>
    <message>
        <source>Start X</source>
        <translation>開始X</translation>
    </message>
    <message>
        <source>Start Y</source>
        <translation>開始Y</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>モード</translation>
    </message>
    <message>
        <source>Max Row</source>
        <translation>最大行数</translation>
    </message>
    <message>
        <source>Max Col</source>
        <translation>最大列数</translation>
    </message>
    <message>
        <source>ECL</source>
        <translation>ECL</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Numeric</source>
        <translation>数字</translation>
    </message>
    <message>
        <source>Binary</source>
        <translation>バイナリ</translation>
    </message>
    <message>
        <source>Compress</source>
        <translation>圧縮</translation>
    </message>
    <message>
        <source>HRI</source>
        <translation>HRI</translation>
    </message>
    <message>
        <source>Upper Left</source>
        <translation>左上</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>中央</translation>
    </message>
    <message>
        <source>Origin</source>
        <translation>原点</translation>
    </message>
    <message>
        <source>Module W</source>
        <translation>モジュール幅</translation>
    </message>
    <message>
        <source>Bar Height</source>
        <translation>バー高さ</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>回転</translation>
    </message>
    <message>
        <source>2D Barcode Type :</source>
        <translation>2次元バーコードの種類：</translation>
    </message>
    <message>
        <source>Test Print</source>
        <translation>テスト印刷</translation>
    </message>
    <message>
        <source>ECC</source>
        <translation>ECC</translation>
    </message>
    <message>
        <source>Bar Size</source>
        <translation>バーサイズ</translation>
    </message>
    <message>
        <source>Model 1</source>
        <translation>モデル1</translation>
    </message>
    <message>
        <source>Model 2</source>
        <translation>モデル2</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>モデル</translation>
    </message>
</context>
<context>
    <name>BarcodeDrawing</name>
    <message>
        <source>The data is too long for a barcode.</source>
        <translation>データが長すぎてバーコードにできません。</translation>
    </message>
    <message>
        <source>There is not enough memory to draw the barcode.</source>
        <translation>バーコードを描くためのメモリが足りません。</translation>
    </message>
    <message>
        <source>The barcode would be %1 by %2 dots, larger than any label.</source>
        <translation>バーコードが %1 × %2 ドットになり、どのラベルよりも大きくなります。</translation>
    </message>
    <message>
        <source>EAN13 takes 12 digits, or 13 with the check digit.</source>
        <translation>EAN13 は 12 桁（チェックディジット付きなら 13 桁）の数字です。</translation>
    </message>
    <message>
        <source>EAN8 takes 7 digits, or 8 with the check digit.</source>
        <translation>EAN8 は 7 桁（チェックディジット付きなら 8 桁）の数字です。</translation>
    </message>
    <message>
        <source>The %1 must be a number from %2 to %3, not "%4".</source>
        <translation>%1は %2 から %3 までの数値にしてください（「%4」は使えません）。</translation>
    </message>
    <message>
        <source>%1 takes %2 parameters after its letter.</source>
        <translation>%1 は種類の文字の後に %2 個のパラメータをとります。</translation>
    </message>
    <message>
        <source>The QR Code error correction level must be L, M, Q or H.</source>
        <translation>QR コードの誤り訂正レベルは L、M、Q、H のいずれかです。</translation>
    </message>
    <message>
        <source>model</source>
        <translation>モデル</translation>
    </message>
    <message>
        <source>size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>rotation</source>
        <translation>回転</translation>
    </message>
    <message>
        <source>maximum number of rows</source>
        <translation>最大行数</translation>
    </message>
    <message>
        <source>maximum number of columns</source>
        <translation>最大列数</translation>
    </message>
    <message>
        <source>error correction level</source>
        <translation>誤り訂正レベル</translation>
    </message>
    <message>
        <source>compression</source>
        <translation>圧縮</translation>
    </message>
    <message>
        <source>readable line</source>
        <translation>HRI</translation>
    </message>
    <message>
        <source>origin</source>
        <translation>原点</translation>
    </message>
    <message>
        <source>module width</source>
        <translation>モジュール幅</translation>
    </message>
    <message>
        <source>bar height</source>
        <translation>バーの高さ</translation>
    </message>
    <message>
        <source>The data needs %1 rows of %2 columns; at most %3 rows of %4 fit.</source>
        <translation>データには %2 列で %1 行が必要ですが、入るのは最大 %4 列 %3 行です。</translation>
    </message>
    <message>
        <source>The Maxicode mode must be 0, 2, 3, 4, 5 or 6.</source>
        <translation>Maxicode のモードは 0、2、3、4、5、6 のいずれかです。</translation>
    </message>
    <message>
        <source>Maxicode modes 0, 2 and 3 begin with the class of service, the country code and the postal code, each followed by a comma.</source>
        <translation>Maxicode のモード 0、2、3 のデータは、サービスクラス、国コード、郵便番号で始まり、それぞれの後にコンマが必要です。</translation>
    </message>
    <message>
        <source>The Maxicode postal code is too long.</source>
        <translation>Maxicode の郵便番号が長すぎます。</translation>
    </message>
    <message>
        <source>There is no barcode symbology %1.</source>
        <translation>バーコードの種類 %1 はありません。</translation>
    </message>
    <message>
        <source>Bar widths and the bar height must be at least 1 dot, and the quiet zone cannot be negative.</source>
        <translation>バーの幅と高さは 1 ドット以上、クワイエットゾーンは 0 以上にしてください。</translation>
    </message>
    <message>
        <source>There is no 2D barcode kind "%1": it is M, P or Q.</source>
        <translation>2 次元バーコードの種類「%1」はありません。M、P、Q のいずれかです。</translation>
    </message>
</context>
<context>
    <name>BitmapTextForm</name>
    <message>
        <source>Bitmap Text Command</source>
        <translation>ビットマップテキストコマンド</translation>
    </message>
    <message>
        <source>X Pos</source>
        <translation>X位置</translation>
    </message>
    <message>
        <source>Y Pos</source>
        <translation>Y位置</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>フォント</translation>
    </message>
    <message>
        <source>H Multi</source>
        <translation>横倍率</translation>
    </message>
    <message>
        <source>V Multi</source>
        <translation>縦倍率</translation>
    </message>
    <message>
        <source>Space_R</source>
        <translation>文字間隔</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>回転</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>反転</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>太字</translation>
    </message>
    <message>
        <source>Find Font</source>
        <translation>フォント検索</translation>
    </message>
</context>
<context>
    <name>BlockDrawForm</name>
    <message>
        <source>Block Draw Command</source>
        <translation>ブロック描画コマンド</translation>
    </message>
    <message>
        <source>Start X</source>
        <translation>開始X</translation>
    </message>
    <message>
        <source>Start Y</source>
        <translation>開始Y</translation>
    </message>
    <message>
        <source>End X</source>
        <translation>終了X</translation>
    </message>
    <message>
        <source>End Y</source>
        <translation>終了Y</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>オプション</translation>
    </message>
</context>
<context>
    <name>BuilderForm</name>
    <message>
        <source>Test Print</source>
        <translation>テスト印刷</translation>
    </message>
    <message>
        <source>Insert to label</source>
        <translation>ラベルに挿入</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>単位変換</translation>
    </message>
    <message>
        <source>The data holds a line break, which would end the command early.
Please keep the data on one line.</source>
        <translation>データに改行が含まれているため、コマンドがそこで終わってしまいます。
データは1行で入力してください。</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>On</source>
        <translation>オン</translation>
    </message>
</context>
<context>
    <name>CalibrationExtraDialog</name>
    <message>
        <source>Calibration Extra</source>
        <translation>詳細キャリブレーション</translation>
    </message>
    <message>
        <source>Detail Level</source>
        <translation>詳細レベル</translation>
    </message>
    <message>
        <source>STEP 2 : Save</source>
        <translation>ステップ 2 : 保存</translation>
    </message>
    <message>
        <source>Middle Gap Value :</source>
        <translation>中間ギャップ値 :</translation>
    </message>
    <message>
        <source>Gap Count :</source>
        <translation>ギャップ数 :</translation>
    </message>
    <message>
        <source>Save Calibration</source>
        <translation>キャリブレーションを保存</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Select the Sensening Level.</source>
        <translation>センシングレベルを選択してください。</translation>
    </message>
</context>
<context>
    <name>CharacterSetForm</name>
    <message>
        <source>U.S.A</source>
        <translation>米国</translation>
    </message>
    <message>
        <source>France</source>
        <translation>フランス</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>ドイツ</translation>
    </message>
    <message>
        <source>U.K</source>
        <translation>英国</translation>
    </message>
    <message>
        <source>Denmark I</source>
        <translation>デンマーク I</translation>
    </message>
    <message>
        <source>Sweden</source>
        <translation>スウェーデン</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>イタリア</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>スペイン</translation>
    </message>
    <message>
        <source>Norway</source>
        <translation>ノルウェー</translation>
    </message>
    <message>
        <source>Denmark II</source>
        <translation>デンマーク II</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>日本</translation>
    </message>
    <message>
        <source>Spain II</source>
        <translation>スペイン II</translation>
    </message>
    <message>
        <source>Latin America</source>
        <translation>ラテンアメリカ</translation>
    </message>
    <message>
        <source>Korea</source>
        <translation>韓国</translation>
    </message>
    <message>
        <source>Slovenia/Croatia</source>
        <translation>スロベニア/クロアチア</translation>
    </message>
    <message>
        <source>China</source>
        <translation>中国</translation>
    </message>
    <message>
        <source>Character Set Command</source>
        <translation>文字セットコマンド</translation>
    </message>
    <message>
        <source>Character Set</source>
        <translation>文字セット</translation>
    </message>
    <message>
        <source>International</source>
        <translation>国際文字セット</translation>
    </message>
    <message>
        <source>Code Table :</source>
        <translation>コードテーブル :</translation>
    </message>
    <message>
        <source>Under 80H</source>
        <translation>80H 未満</translation>
    </message>
    <message>
        <source>Over 80H</source>
        <translation>80H 以上</translation>
    </message>
    <message>
        <source>Font Setting</source>
        <translation>フォント設定</translation>
    </message>
    <message>
        <source>Bitmap Font</source>
        <translation>ビットマップフォント</translation>
    </message>
    <message>
        <source>Vector Font</source>
        <translation>ベクターフォント</translation>
    </message>
    <message>
        <source>X Pos</source>
        <translation>X位置</translation>
    </message>
    <message>
        <source>Y Pos</source>
        <translation>Y位置</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>フォント</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>H Multi</source>
        <translation>横倍率</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>幅</translation>
    </message>
    <message>
        <source>V Multi</source>
        <translation>縦倍率</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>高さ</translation>
    </message>
</context>
<context>
    <name>ConnectFailure</name>
    <message>
        <source>No device stands for %1 on this computer.</source>
        <translation>このコンピューターには %1 に当たるデバイスがありません。</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 がありません。</translation>
    </message>
    <message>
        <source>No supported USB printer is connected.</source>
        <translation>対応する USB プリンターが接続されていません。</translation>
    </message>
    <message>
        <source>You may not open %1: add your user to the group "%2" and log in again.</source>
        <translation>%1 を開く権限がありません。ユーザーをグループ「%2」に加えて、ログインし直してください。</translation>
    </message>
    <message>
        <source>Tagwell's udev rule (60-tagwell-printers.rules, in its package) gives that group the printer.</source>
        <translation>Tagwell の udev ルール（パッケージに含まれる 60-tagwell-printers.rules）がそのグループにプリンターを使わせます。</translation>
    </message>
    <message>
        <source>%1 is held by another program (a print queue or another Tagwell, say). Close it and connect again.</source>
        <translation>%1 は別のプログラム（印刷キューや別の Tagwell など）が使用中です。そのプログラムを閉じてから、もう一度接続してください。</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2.</source>
        <translation>%1 を開けませんでした: %2。</translation>
    </message>
    <message>
        <source>%1 could not be opened.</source>
        <translation>%1 を開けませんでした。</translation>
    </message>
</context>
<context>
    <name>ConvertUnitForm</name>
    <message>
        <source>Convert Unit</source>
        <translation>単位変換</translation>
    </message>
    <message>
        <source>inch to mm</source>
        <translation>インチ → mm</translation>
    </message>
    <message>
        <source>inch to dots</source>
        <translation>インチ → ドット</translation>
    </message>
    <message>
        <source>dots to inch</source>
        <translation>ドット → インチ</translation>
    </message>
    <message>
        <source>dots to mm</source>
        <translation>ドット → mm</translation>
    </message>
    <message>
        <source>mm to inch</source>
        <translation>mm → インチ</translation>
    </message>
    <message>
        <source>mm to dots</source>
        <translation>mm → ドット</translation>
    </message>
    <message>
        <source>Inch</source>
        <translation>インチ</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>ドット</translation>
    </message>
    <message>
        <source>Mm</source>
        <translation>ミリ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>DataCellGrid</name>
    <message>
        <source>Cell %1</source>
        <translation>セル %1</translation>
    </message>
    <message>
        <source>Cell %1 holds "%2", which is not hexadecimal.
Use the digits 0-9 and A-F only.</source>
        <translation>セル %1 の「%2」は16進数ではありません。
0-9 と A-F のみを使用してください。</translation>
    </message>
    <message>
        <source>Cell %1 holds an apostrophe, which would end the data early.</source>
        <translation>セル %1 のアポストロフィはデータの終わりと見なされます。</translation>
    </message>
    <message>
        <source>Cell %1 holds "%2", which is not an ASCII character.</source>
        <translation>セル %1 の「%2」は ASCII 文字ではありません。</translation>
    </message>
</context>
<context>
    <name>FileTransferWindow</name>
    <message>
        <source>File Transfer</source>
        <translation>ファイル転送</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>0 Byte</source>
        <translation>0 バイト</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>DownLoad</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>File Information</source>
        <translation>ファイル情報</translation>
    </message>
    <message>
        <source>File Name: </source>
        <translation>ファイル名: </translation>
    </message>
    <message>
        <source>File Size: </source>
        <translation>ファイルサイズ: </translation>
    </message>
    <message>
        <source>All files(*.*)</source>
        <translation>すべてのファイル(*.*)</translation>
    </message>
    <message>
        <source>Text files(*.txt)</source>
        <translation>テキストファイル(*.txt)</translation>
    </message>
    <message>
        <source>Binary files(*.bin)</source>
        <translation>バイナリファイル(*.bin)</translation>
    </message>
    <message>
        <source>Can't open file!</source>
        <translation>ファイルを開けません。</translation>
    </message>
    <message>
        <source>%1 Bytes</source>
        <translation>%1 バイト</translation>
    </message>
    <message>
        <source>Please,Select a binary file!</source>
        <translation>バイナリファイルを選択してください。</translation>
    </message>
    <message>
        <source>Binary file download is completed.</source>
        <translation>バイナリファイルのダウンロードが完了しました。</translation>
    </message>
    <message>
        <source>Binary file download failed.</source>
        <translation>バイナリファイルのダウンロードに失敗しました。</translation>
    </message>
</context>
<context>
    <name>FontFinderForm</name>
    <message>
        <source>Font :</source>
        <translation>フォント :</translation>
    </message>
    <message>
        <source>X Multi :</source>
        <translation>横倍率 :</translation>
    </message>
    <message>
        <source>Y Multi :</source>
        <translation>縦倍率 :</translation>
    </message>
    <message>
        <source>Font Finder</source>
        <translation>フォント検索</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>文字サイズ</translation>
    </message>
    <message>
        <source>Width  :</source>
        <translation>幅 :</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Height :</source>
        <translation>高さ :</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Most Similar</source>
        <translation>最も近いサイズ</translation>
    </message>
    <message>
        <source>Similar &amp;&amp; Round</source>
        <translation>近いサイズ(大きいフォント)</translation>
    </message>
    <message>
        <source>Print for comparsion</source>
        <translation>比較印刷</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>No font comes within 100 dots of this size.</source>
        <translation>このサイズから100ドット以内のフォントはありません。</translation>
    </message>
    <message>
        <source>No larger font with smaller multipliers comes within 100 dots of this size.</source>
        <translation>このサイズから100ドット以内に、より大きいフォントで倍率の小さい組み合わせはありません。</translation>
    </message>
</context>
<context>
    <name>HardwareInfoPage</name>
    <message>
        <source>Get</source>
        <translation>取得</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Initialize</source>
        <translation>初期化</translation>
    </message>
    <message>
        <source>Only letters, digits, spaces and ASCII signs can be stored in the printer.</source>
        <translation>プリンターに保存できるのは半角英数字、スペース、ASCII 記号だけです。</translation>
    </message>
    <message>
        <source>Hardware Version</source>
        <translation>ハードウェアバージョン</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>バージョン:</translation>
    </message>
    <message>
        <source>Hardware version string can't be more than 4 characters.</source>
        <translation>ハードウェアバージョンは 4 文字以内で入力してください。</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>シリアル番号</translation>
    </message>
    <message>
        <source>Number:</source>
        <translation>番号:</translation>
    </message>
    <message>
        <source>Serial number string can't be more than 16 characters.</source>
        <translation>シリアル番号は 16 文字以内で入力してください。</translation>
    </message>
    <message>
        <source>User Defined Printer ID</source>
        <translation>ユーザー定義プリンター ID</translation>
    </message>
    <message>
        <source>ID:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <source>Printer ID string can't be more than 7 character.</source>
        <translation>プリンター ID は 7 文字以内で入力してください。</translation>
    </message>
    <message>
        <source>H/W version</source>
        <translation>ハードウェアバージョン</translation>
    </message>
    <message>
        <source>hardware version</source>
        <translation>ハードウェアバージョン</translation>
    </message>
    <message>
        <source>serial number</source>
        <translation>シリアル番号</translation>
    </message>
    <message>
        <source>Printer ID</source>
        <translation>プリンター ID</translation>
    </message>
    <message>
        <source>printer ID</source>
        <translation>プリンター ID</translation>
    </message>
    <message>
        <source>%1 is %2.</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 is NULL</source>
        <translation>%1がありません</translation>
    </message>
    <message>
        <source>Set %1 is successful</source>
        <translation>%1を設定しました</translation>
    </message>
    <message>
        <source>Set %1 is failed</source>
        <translation>%1を設定できませんでした</translation>
    </message>
    <message>
        <source>Initialize %1 is successful</source>
        <translation>%1を初期化しました</translation>
    </message>
    <message>
        <source>Initialize %1 is failed</source>
        <translation>%1を初期化できませんでした</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>情報</translation>
    </message>
</context>
<context>
    <name>ImageCommands</name>
    <message>
        <source>An image name cannot contain a quote (') or a line break.</source>
        <translation>画像名に引用符 (') や改行は使用できません。</translation>
    </message>
</context>
<context>
    <name>ImageViewer</name>
    <message>
        <source>Image Viewer</source>
        <translation>イメージビューア</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Error Diffusion</source>
        <translation>誤差拡散</translation>
    </message>
    <message>
        <source>Ordered Dither</source>
        <translation>組織的ディザ</translation>
    </message>
    <message>
        <source>4x4 Matrix</source>
        <translation>4x4 マトリクス</translation>
    </message>
    <message>
        <source>8x8 Matrixt</source>
        <translation>8x8 マトリクス</translation>
    </message>
    <message>
        <source>Dither : </source>
        <translation>ディザ : </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>LabelPreviewPane</name>
    <message>
        <source>Fit</source>
        <translation>全体表示</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>拡大率:</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>行</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>コマンド</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>理由</translation>
    </message>
    <message>
        <source>Type or load a script to see its label.</source>
        <translation>スクリプトを入力するか読み込むと、ラベルがここに表示されます。</translation>
    </message>
    <message>
        <source>Nothing in the script is drawn on a label.</source>
        <translation>このスクリプトにはラベルに描くものがありません。</translation>
    </message>
    <message>
        <source>Label %1 of %2</source>
        <translation>ラベル %1 / %2</translation>
    </message>
    <message>
        <source>× %1</source>
        <translation>× %1 枚</translation>
    </message>
    <message>
        <source>not printed yet: no print command follows</source>
        <translation>未印刷: 後に印刷コマンドがありません</translation>
    </message>
    <message>
        <source>%1 × %2 dots (%3 × %4 mm)</source>
        <translation>%1 × %2 ドット (%3 × %4 mm)</translation>
    </message>
    <message>
        <source>No label command of this name</source>
        <translation>この名前のラベルコマンドはありません</translation>
    </message>
    <message>
        <source>The printer cannot read it</source>
        <translation>プリンタが読み取れない形式です</translation>
    </message>
    <message>
        <source>Two-byte font: its characters are not known here</source>
        <translation>2バイトフォント: 文字の形がここでは分かりません</translation>
    </message>
    <message>
        <source>Picture not in the printer's memory</source>
        <translation>プリンタのメモリにない画像です</translation>
    </message>
    <message>
        <source>The barcode cannot be drawn</source>
        <translation>バーコードを描けません</translation>
    </message>
    <message>
        <source>Puts nothing on a label</source>
        <translation>ラベルには何も描かないコマンドです</translation>
    </message>
    <message>
        <source>Drawn with an assumed font size</source>
        <translation>フォントの大きさを仮定して描きました</translation>
    </message>
    <message>
        <source>Beyond what the preview draws</source>
        <translation>プレビューで描ける範囲を超えています</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Commands not drawn (%1):</source>
        <translation>描けなかったコマンド (%1):</translation>
    </message>
    <message>
        <source>Every command was drawn.</source>
        <translation>すべてのコマンドを描きました。</translation>
    </message>
</context>
<context>
    <name>LabelRendering</name>
    <message>
        <source>only the first %1 labels are drawn</source>
        <translation>最初の %1 枚だけを描きます</translation>
    </message>
    <message>
        <source>a label of %1 × %2 dots is drawn as %3 × %4</source>
        <translation>%1 × %2 ドットのラベルを %3 × %4 で描きます</translation>
    </message>
</context>
<context>
    <name>LabelSettingForm</name>
    <message>
        <source>Label Setting</source>
        <translation>ラベル設定</translation>
    </message>
    <message>
        <source>Unit Setting</source>
        <translation>単位設定</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>インチ</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>dots</source>
        <translation>ドット</translation>
    </message>
    <message>
        <source>Media Type</source>
        <translation>用紙の種類</translation>
    </message>
    <message>
        <source>Gap</source>
        <translation>ギャップ</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>連続紙</translation>
    </message>
    <message>
        <source>BlackMark</source>
        <translation>ブラックマーク</translation>
    </message>
    <message>
        <source>Width &amp;&amp; Length</source>
        <translation>幅 &amp;&amp; 長さ</translation>
    </message>
    <message>
        <source>Width  :</source>
        <translation>幅 :</translation>
    </message>
    <message>
        <source>Length :</source>
        <translation>長さ :</translation>
    </message>
    <message>
        <source>Margin</source>
        <translation>マージン</translation>
    </message>
    <message>
        <source>X Margin :</source>
        <translation>X マージン :</translation>
    </message>
    <message>
        <source>Y Margin :</source>
        <translation>Y マージン :</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
</context>
<context>
    <name>LanguageSettingsPage</name>
    <message>
        <source>Factory Default CodePage</source>
        <translation>工場出荷時のコードページ</translation>
    </message>
    <message>
        <source>PC437 - USA</source>
        <translation>PC437 - 米国</translation>
    </message>
    <message>
        <source>PC850 - Latin 1</source>
        <translation>PC850 - ラテン 1</translation>
    </message>
    <message>
        <source>PC852 - Latin 2</source>
        <translation>PC852 - ラテン 2</translation>
    </message>
    <message>
        <source>PC860 - Portuguese</source>
        <translation>PC860 - ポルトガル語</translation>
    </message>
    <message>
        <source>PC863 - Canadian French</source>
        <translation>PC863 - カナダ フランス語</translation>
    </message>
    <message>
        <source>PC865 - Nordic</source>
        <translation>PC865 - 北欧</translation>
    </message>
    <message>
        <source>WPC1252 - Latin I</source>
        <translation>WPC1252 - ラテン I</translation>
    </message>
    <message>
        <source>PC865 + WPC1252 - European Combined</source>
        <translation>PC865 + WPC1252 - 欧州統合</translation>
    </message>
    <message>
        <source>PC857 - Turkish</source>
        <translation>PC857 - トルコ語</translation>
    </message>
    <message>
        <source>PC737 - Greek</source>
        <translation>PC737 - ギリシャ語</translation>
    </message>
    <message>
        <source>WPC1250 - Latin 2</source>
        <translation>WPC1250 - ラテン 2</translation>
    </message>
    <message>
        <source>WPC1253 - Greek</source>
        <translation>WPC1253 - ギリシャ語</translation>
    </message>
    <message>
        <source>WPC1254 - Turkish</source>
        <translation>WPC1254 - トルコ語</translation>
    </message>
    <message>
        <source>PC855 - Cyrillic</source>
        <translation>PC855 - キリル文字</translation>
    </message>
    <message>
        <source>PC862 - Hebrew</source>
        <translation>PC862 - ヘブライ語</translation>
    </message>
    <message>
        <source>PC866 - Cyrillic</source>
        <translation>PC866 - キリル文字</translation>
    </message>
    <message>
        <source>WPC1251 - Cyrillic</source>
        <translation>WPC1251 - キリル文字</translation>
    </message>
    <message>
        <source>WPC1255 - Hebrew</source>
        <translation>WPC1255 - ヘブライ語</translation>
    </message>
    <message>
        <source>PC928 -  Greek</source>
        <translation>PC928 - ギリシャ語</translation>
    </message>
    <message>
        <source>PC864 -  Arabic</source>
        <translation>PC864 - アラビア語</translation>
    </message>
    <message>
        <source>PC775 - Baltic Dos</source>
        <translation>PC775 - バルト (DOS)</translation>
    </message>
    <message>
        <source>WPC1257 - Baltic Windows</source>
        <translation>WPC1257 - バルト (Windows)</translation>
    </message>
    <message>
        <source>PC858 - Latin 1 + Euro</source>
        <translation>PC858 - ラテン 1 + ユーロ</translation>
    </message>
    <message>
        <source>Factory Default ICS</source>
        <translation>工場出荷時の ICS</translation>
    </message>
    <message>
        <source>U.S.A</source>
        <translation>米国</translation>
    </message>
    <message>
        <source>France</source>
        <translation>フランス</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>ドイツ</translation>
    </message>
    <message>
        <source>U.K</source>
        <translation>英国</translation>
    </message>
    <message>
        <source>Denmark I</source>
        <translation>デンマーク I</translation>
    </message>
    <message>
        <source>Sweden</source>
        <translation>スウェーデン</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>イタリア</translation>
    </message>
    <message>
        <source>Spain I</source>
        <translation>スペイン I</translation>
    </message>
    <message>
        <source>Norway</source>
        <translation>ノルウェー</translation>
    </message>
    <message>
        <source>Denmark II</source>
        <translation>デンマーク II</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>日本</translation>
    </message>
    <message>
        <source>Spain II</source>
        <translation>スペイン II</translation>
    </message>
    <message>
        <source>Latin America</source>
        <translation>ラテンアメリカ</translation>
    </message>
    <message>
        <source>Korea</source>
        <translation>韓国</translation>
    </message>
    <message>
        <source>Slovenia/Croatia</source>
        <translation>スロベニア/クロアチア</translation>
    </message>
    <message>
        <source>China</source>
        <translation>中国</translation>
    </message>
    <message>
        <source>Default CodePage &amp;&amp; ICS Setting</source>
        <translation>デフォルトのコードページと ICS の設定</translation>
    </message>
    <message>
        <source>Default CodePage  :</source>
        <translation>デフォルトのコードページ:</translation>
    </message>
    <message>
        <source>Default International Character Set(ICS) :</source>
        <translation>デフォルトの国際文字セット (ICS):</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>取得</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Get default codepage &amp;&amp; ICS is failed.</source>
        <translation>デフォルトのコードページと ICS を取得できませんでした。</translation>
    </message>
    <message>
        <source>Get default codepage &amp;&amp; ICS is successful.</source>
        <translation>デフォルトのコードページと ICS を取得しました。</translation>
    </message>
    <message>
        <source>Please choose a code page and a character set before Set.</source>
        <translation>設定する前に、コードページと文字セットを選択してください。</translation>
    </message>
    <message>
        <source>Set default codepage &amp;&amp; ICS is successful.</source>
        <translation>デフォルトのコードページと ICS を設定しました。</translation>
    </message>
    <message>
        <source>Set default codepage &amp;&amp; ICS is failed.</source>
        <translation>デフォルトのコードページと ICS を設定できませんでした。</translation>
    </message>
</context>
<context>
    <name>LockPayloadGrid</name>
    <message>
        <source>Kill
Pass</source>
        <translation>Kill
パスワード</translation>
    </message>
    <message>
        <source>Acess
Pass</source>
        <translation>Access
パスワード</translation>
    </message>
    <message>
        <source>EPC
Memory</source>
        <translation>EPC
メモリ</translation>
    </message>
    <message>
        <source>TID
Memory</source>
        <translation>TID
メモリ</translation>
    </message>
    <message>
        <source>User
Memory</source>
        <translation>ユーザー
メモリ</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>マスク</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>アクション</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Interface Type</source>
        <translation>インターフェース</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>シリアル</translation>
    </message>
    <message>
        <source>Parallel</source>
        <translation>パラレル</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>Ethernet</source>
        <translation>イーサネット</translation>
    </message>
    <message>
        <source>Comm Setting</source>
        <translation>通信設定</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>奇数</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>偶数</translation>
    </message>
    <message>
        <source>LPT Port</source>
        <translation>LPT ポート</translation>
    </message>
    <message>
        <source>COM Port</source>
        <translation>COM ポート</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>ボーレート</translation>
    </message>
    <message>
        <source>Data Bits</source>
        <translation>データビット</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>パリティ</translation>
    </message>
    <message>
        <source>Stop Bits</source>
        <translation>ストップビット</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>ポート</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>接続</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>切断</translation>
    </message>
    <message>
        <source>User Setting</source>
        <translation>ユーザー設定</translation>
    </message>
    <message>
        <source>User Setting Manager</source>
        <translation>ユーザー設定マネージャー</translation>
    </message>
    <message>
        <source>Calibration Setting Manager</source>
        <translation>キャリブレーション設定マネージャー</translation>
    </message>
    <message>
        <source>Downloader</source>
        <translation>ダウンローダー</translation>
    </message>
    <message>
        <source>PCX File Downloader</source>
        <translation>PCX ファイルダウンローダー</translation>
    </message>
    <message>
        <source>File Transfer</source>
        <translation>ファイル転送</translation>
    </message>
    <message>
        <source>File Transfer Manager</source>
        <translation>ファイル転送マネージャー</translation>
    </message>
    <message>
        <source>RFID</source>
        <translation>RFID</translation>
    </message>
    <message>
        <source>Set Configuration</source>
        <translation>構成の設定</translation>
    </message>
    <message>
        <source>Write/Read</source>
        <translation>書き込み/読み取り</translation>
    </message>
    <message>
        <source>TORQ Tester</source>
        <translation>TORQ テスター</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>No serial device for this port</source>
        <translation>このポートに対応するシリアル機器がありません</translation>
    </message>
    <message>
        <source>Device: %1</source>
        <translation>機器: %1</translation>
    </message>
    <message>
        <source>Cannot open port! Please check printer and cable.</source>
        <translation>ポートを開けません。プリンターとケーブルを確認してください。</translation>
    </message>
    <message>
        <source>Success open port.</source>
        <translation>ポートを開きました。</translation>
    </message>
    <message>
        <source>Calibration is not supported on Ethernet connection.</source>
        <translation>イーサネット接続ではキャリブレーションを行えません。</translation>
    </message>
    <message>
        <source>Tagwell  (Version %1)</source>
        <translation>Tagwell  (バージョン %1)</translation>
    </message>
    <message>
        <source>CUPS queue %1 still uses this port</source>
        <translation>CUPS キュー %1 がまだこのポートを使用しています</translation>
    </message>
    <message>
        <source>CUPS queues %1 still use this port</source>
        <translation>CUPS キュー %1 がまだこのポートを使用しています</translation>
    </message>
    <message>
        <source>USB printer: %1 on %2</source>
        <translation>USB プリンター: %1（%2）</translation>
    </message>
    <message>
        <source>No supported USB printer found</source>
        <translation>対応する USB プリンターが見つかりません</translation>
    </message>
</context>
<context>
    <name>ManualCalibration</name>
    <message>
        <source>Manual Calibration</source>
        <translation>手動キャリブレーション</translation>
    </message>
    <message>
        <source>F/W Ver. 1.39 or Later</source>
        <translation>F/W Ver. 1.39 以降</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>This tool is not available in this version.</source>
        <translation>このツールはこのバージョンではまだ使用できません。</translation>
    </message>
</context>
<context>
    <name>PasswordEntry</name>
    <message>
        <source>Value of access is invalid!</source>
        <translation>Access の値が無効です!</translation>
    </message>
    <message>
        <source>Value of kill is invalid!</source>
        <translation>Kill の値が無効です!</translation>
    </message>
    <message>
        <source>Use the hexadecimal digits 0-9 and A-F only.</source>
        <translation>16進数 (0-9、A-F) のみを使用してください。</translation>
    </message>
</context>
<context>
    <name>PcxDownloader</name>
    <message>
        <source>PCX File Downloader</source>
        <translation>PCXファイル ダウンローダ</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>0 Byte</source>
        <translation>0 バイト</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>DownLoad</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>PCX File Information</source>
        <translation>PCXファイル情報</translation>
    </message>
    <message>
        <source>File Name: </source>
        <translation>ファイル名: </translation>
    </message>
    <message>
        <source>File Size: </source>
        <translation>ファイルサイズ: </translation>
    </message>
    <message>
        <source>Image Store (IS)</source>
        <translation>画像登録 (IS)</translation>
    </message>
    <message>
        <source>Image Name :</source>
        <translation>画像名 :</translation>
    </message>
    <message>
        <source>Delete Image</source>
        <translation>画像削除</translation>
    </message>
    <message>
        <source>Delete All Images</source>
        <translation>全画像削除</translation>
    </message>
    <message>
        <source>Image Delete (ID)</source>
        <translation>画像削除 (ID)</translation>
    </message>
    <message>
        <source>Image Information</source>
        <translation>画像情報</translation>
    </message>
    <message>
        <source>Image Information (II)</source>
        <translation>画像情報 (II)</translation>
    </message>
    <message>
        <source>Image Recall</source>
        <translation>画像呼出</translation>
    </message>
    <message>
        <source>Image Recall (IR)</source>
        <translation>画像呼出 (IR)</translation>
    </message>
    <message>
        <source>X Position :</source>
        <translation>X位置 :</translation>
    </message>
    <message>
        <source>Y Position :</source>
        <translation>Y位置 :</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Image files(*.PCX,*.BMP,*.JPG,*.JPEG)</source>
        <translation>画像ファイル(*.PCX,*.BMP,*.JPG,*.JPEG)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>すべてのファイル(*.*)</translation>
    </message>
    <message>
        <source>Can't open file!</source>
        <translation>ファイルを開けません。</translation>
    </message>
    <message>
        <source>%1 Bytes</source>
        <translation>%1 バイト</translation>
    </message>
    <message>
        <source>Please, Select PCX files!</source>
        <translation>PCXファイルを選択してください。</translation>
    </message>
    <message>
        <source>PCX file download is completed.</source>
        <translation>PCXファイルのダウンロードが完了しました。</translation>
    </message>
    <message>
        <source>PCX file download failed.</source>
        <translation>PCXファイルのダウンロードに失敗しました。</translation>
    </message>
    <message>
        <source>Please, type image name!</source>
        <translation>画像名を入力してください。</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>This picture is too large to be read: it has more than %L1 pixels.</source>
        <translation>この画像は大きすぎて読み込めません(%L1 画素を超えています)。</translation>
    </message>
</context>
<context>
    <name>PrintAndPagePage</name>
    <message>
        <source>Get</source>
        <translation>取得</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>(-)</source>
        <translation>(-)</translation>
    </message>
    <message>
        <source>Printer &amp;&amp; Page Setting</source>
        <translation>印刷と用紙の設定</translation>
    </message>
    <message>
        <source>Print Strobe:</source>
        <translation>印字ストローブ:</translation>
    </message>
    <message>
        <source>Print Speed :</source>
        <translation>印字速度:</translation>
    </message>
    <message>
        <source>Lower Position of Gap</source>
        <translation>ギャップの下側</translation>
    </message>
    <message>
        <source>Upper Position of Gap</source>
        <translation>ギャップの上側</translation>
    </message>
    <message>
        <source>Gap Detect Position: </source>
        <translation>ギャップ検出位置:</translation>
    </message>
    <message>
        <source>Initialize all user setting data :</source>
        <translation>すべてのユーザー設定を初期化:</translation>
    </message>
    <message>
        <source>Initialize</source>
        <translation>初期化</translation>
    </message>
    <message>
        <source>Check Label Length :</source>
        <translation>ラベル長チェック:</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>無効</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>Initialize all user setting data is successful</source>
        <translation>すべてのユーザー設定を初期化しました</translation>
    </message>
    <message>
        <source>Initialize all user setting data is failed</source>
        <translation>ユーザー設定を初期化できませんでした</translation>
    </message>
    <message>
        <source>Paper Horizontal Margin:</source>
        <translation>用紙の左右マージン:</translation>
    </message>
    <message>
        <source>Paper Length:</source>
        <translation>用紙の長さ:</translation>
    </message>
    <message>
        <source>Paper Vertical Margin:</source>
        <translation>用紙の上下マージン:</translation>
    </message>
    <message>
        <source>Paper Width:</source>
        <translation>用紙の幅:</translation>
    </message>
    <message>
        <source>Print Density:</source>
        <translation>印字濃度:</translation>
    </message>
    <message>
        <source>Gap Length:</source>
        <translation>ギャップ長:</translation>
    </message>
    <message>
        <source>Print Offset:</source>
        <translation>印字オフセット:</translation>
    </message>
    <message>
        <source>Tear-off/Cutting:</source>
        <translation>ティアオフ/カット位置:</translation>
    </message>
    <message>
        <source>strobe</source>
        <translation>ストローブ</translation>
    </message>
    <message>
        <source>speed</source>
        <translation>印字速度</translation>
    </message>
    <message>
        <source>gap detect position</source>
        <translation>ギャップ検出位置</translation>
    </message>
    <message>
        <source>paper horizontal margin</source>
        <translation>用紙の左右マージン</translation>
    </message>
    <message>
        <source>paper length</source>
        <translation>用紙の長さ</translation>
    </message>
    <message>
        <source>paper vertical margin</source>
        <translation>用紙の上下マージン</translation>
    </message>
    <message>
        <source>paper width</source>
        <translation>用紙の幅</translation>
    </message>
    <message>
        <source>print density</source>
        <translation>印字濃度</translation>
    </message>
    <message>
        <source>gap length</source>
        <translation>ギャップ長</translation>
    </message>
    <message>
        <source>offset</source>
        <translation>オフセット</translation>
    </message>
    <message>
        <source>tear-off/cutting position</source>
        <translation>ティアオフ/カット位置</translation>
    </message>
    <message>
        <source>Tear-Off/Cutting position</source>
        <translation>ティアオフ/カット位置</translation>
    </message>
    <message>
        <source>Getting %1 is successful</source>
        <translation>%1を取得しました</translation>
    </message>
    <message>
        <source>Getting %1 is failed</source>
        <translation>%1を取得できませんでした</translation>
    </message>
    <message>
        <source>Setting %1 is successful</source>
        <translation>%1を設定しました</translation>
    </message>
    <message>
        <source>Setting %1 is failed</source>
        <translation>%1を設定できませんでした</translation>
    </message>
</context>
<context>
    <name>PrintSpeedTable</name>
    <message>
        <source>3 inch/s</source>
        <translation>3 インチ/秒</translation>
    </message>
    <message>
        <source>4 inch/s</source>
        <translation>4 インチ/秒</translation>
    </message>
    <message>
        <source>5 inch/s</source>
        <translation>5 インチ/秒</translation>
    </message>
    <message>
        <source>6 inch/s</source>
        <translation>6 インチ/秒</translation>
    </message>
    <message>
        <source>7 inch/s</source>
        <translation>7 インチ/秒</translation>
    </message>
    <message>
        <source>8 inch/s</source>
        <translation>8 インチ/秒</translation>
    </message>
    <message>
        <source>70 mm/s</source>
        <translation>70 mm/秒</translation>
    </message>
    <message>
        <source>85 mm/s</source>
        <translation>85 mm/秒</translation>
    </message>
    <message>
        <source>100 mm/s</source>
        <translation>100 mm/秒</translation>
    </message>
    <message>
        <source>2 inch/s</source>
        <translation>2 インチ/秒</translation>
    </message>
    <message>
        <source>2.5 inch/s</source>
        <translation>2.5 インチ/秒</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>デフォルト</translation>
    </message>
</context>
<context>
    <name>PrinterInfoPage</name>
    <message>
        <source>Printer Information</source>
        <translation>プリンター情報</translation>
    </message>
    <message>
        <source>Model Name :</source>
        <translation>モデル名:</translation>
    </message>
    <message>
        <source>Model Type :</source>
        <translation>モデルタイプ:</translation>
    </message>
    <message>
        <source>Firmware Version :</source>
        <translation>ファームウェアバージョン:</translation>
    </message>
    <message>
        <source>TPH Temperature :</source>
        <translation>ヘッド (TPH) 温度:</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>取得</translation>
    </message>
    <message>
        <source> Celsius</source>
        <translation> ℃</translation>
    </message>
    <message>
        <source>Get printer information is failed</source>
        <translation>プリンター情報を取得できませんでした</translation>
    </message>
    <message>
        <source>Get printer information is failed.</source>
        <translation>プリンター情報を取得できませんでした。</translation>
    </message>
    <message>
        <source>Get printer information is successful.</source>
        <translation>プリンター情報を取得しました。</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
</context>
<context>
    <name>PrinterPort</name>
    <message>
        <source>Port error! Check printer's port, please.</source>
        <translation>ポートエラー。プリンターのポートを確認してください。</translation>
    </message>
    <message>
        <source>Port error! Check setting of serial port, please.</source>
        <translation>ポートエラー。シリアルポートの設定を確認してください。</translation>
    </message>
</context>
<context>
    <name>PrinterSocket</name>
    <message>
        <source>Error : Failed to Create socket!</source>
        <translation>エラー : ソケットを作成できませんでした。</translation>
    </message>
    <message>
        <source>Error : Failed to connect. Please, 
check IP port configuration in printer control pannel</source>
        <translation>エラー : 接続できませんでした。
プリンターの操作パネルで IP とポートの設定を確認してください。</translation>
    </message>
</context>
<context>
    <name>PrinterStatusDialog</name>
    <message>
        <source>Check Printer Status</source>
        <translation>プリンタ状態確認</translation>
    </message>
    <message>
        <source>^cp Command</source>
        <translation>^cp コマンド</translation>
    </message>
    <message>
        <source>^cu Command</source>
        <translation>^cu コマンド</translation>
    </message>
    <message>
        <source>^ee Command</source>
        <translation>^ee コマンド</translation>
    </message>
    <message>
        <source>CPS Command</source>
        <translation>CPS コマンド</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>PrinterText</name>
    <message>
        <source>The text holds characters the printer cannot take: %1
Please use characters with one-byte codes only.</source>
        <translation>プリンタに送れない文字が含まれています: %1
1バイトコードの文字だけを使用してください。</translation>
    </message>
</context>
<context>
    <name>PrintingCopiesForm</name>
    <message>
        <source>Printing Copies</source>
        <translation>印刷部数</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>1番目の数値</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>2番目の数値</translation>
    </message>
</context>
<context>
    <name>PrintingSettingForm</name>
    <message>
        <source>Printing Setting</source>
        <translation>印刷設定</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>2.5 ips</source>
        <translation>2.5 ips</translation>
    </message>
    <message>
        <source>3.0 ips</source>
        <translation>3.0 ips</translation>
    </message>
    <message>
        <source>4.0 ips</source>
        <translation>4.0 ips</translation>
    </message>
    <message>
        <source>5.0 ips</source>
        <translation>5.0 ips</translation>
    </message>
    <message>
        <source>6.0 ips</source>
        <translation>6.0 ips</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>濃度</translation>
    </message>
    <message>
        <source>Density(0~20)</source>
        <translation>濃度(0~20)</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>上</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>下</translation>
    </message>
</context>
<context>
    <name>RfidConfigForm</name>
    <message>
        <source>RFID Cofiguration</source>
        <translation>RFID 設定</translation>
    </message>
    <message>
        <source>RFID Setting</source>
        <translation>RFID 設定値</translation>
    </message>
    <message>
        <source>Tag Type :</source>
        <translation>タグの種類 :</translation>
    </message>
    <message>
        <source>Writing Power :</source>
        <translation>書き込み出力 :</translation>
    </message>
    <message>
        <source>Transponder Position :</source>
        <translation>トランスポンダー位置 :</translation>
    </message>
    <message>
        <source>Number of retry :</source>
        <translation>リトライ回数 :</translation>
    </message>
    <message>
        <source>Number of Label :</source>
        <translation>ラベル数 :</translation>
    </message>
    <message>
        <source>Auto Calibration</source>
        <translation>自動キャリブレーション</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>RFID Valid :</source>
        <translation>RFID 成功数 :</translation>
    </message>
    <message>
        <source>RFID Void :</source>
        <translation>RFID 失敗数 :</translation>
    </message>
    <message>
        <source>Default Setting</source>
        <translation>初期値に戻す</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>取得</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Choose an entry in "%1" first.</source>
        <translation>先に「%1」の項目を選んでください。</translation>
    </message>
    <message>
        <source>The transponder position may hold only ASCII letters, digits and signs.</source>
        <translation>トランスポンダー位置に使えるのは ASCII の英字、数字、記号だけです。</translation>
    </message>
    <message>
        <source>Get RFID setting is faied</source>
        <translation>RFID 設定の取得に失敗しました</translation>
    </message>
    <message>
        <source>Get RFID setting is successful</source>
        <translation>RFID 設定の取得に成功しました</translation>
    </message>
    <message>
        <source>Set RFID setting is successful</source>
        <translation>RFID の設定に成功しました</translation>
    </message>
    <message>
        <source>Set RFID setting is faied</source>
        <translation>RFID の設定に失敗しました</translation>
    </message>
    <message>
        <source>Reset RFID Valid and Void is successful</source>
        <translation>RFID 成功数と失敗数のリセットに成功しました</translation>
    </message>
    <message>
        <source>Reset RFID Valid and Void is faied</source>
        <translation>RFID 成功数と失敗数のリセットに失敗しました</translation>
    </message>
    <message>
        <source>Auto calibration is successful</source>
        <translation>自動キャリブレーションに成功しました</translation>
    </message>
    <message>
        <source>Auto calibration is faied</source>
        <translation>自動キャリブレーションに失敗しました</translation>
    </message>
</context>
<context>
    <name>RfidKillLineForm</name>
    <message>
        <source>RFID Kill</source>
        <translation>RFID キル</translation>
    </message>
</context>
<context>
    <name>RfidPasswordLineForm</name>
    <message>
        <source>RFID Password</source>
        <translation>RFID パスワード</translation>
    </message>
    <message>
        <source>Access</source>
        <translation>Access</translation>
    </message>
    <message>
        <source>Kill</source>
        <translation>Kill</translation>
    </message>
    <message>
        <source>* The value must be hexadecimal.</source>
        <translation>* 値は16進数で入力してください。</translation>
    </message>
    <message>
        <source>(e.g. 5E.3A.91.C7)</source>
        <translation>(例: 5E.3A.91.C7)</translation>
    </message>
</context>
<context>
    <name>RfidReadForm</name>
    <message>
        <source>RFID Read</source>
        <translation>RFID 読み取り</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>読み取り</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Reading data is faied</source>
        <translation>データの読み取りに失敗しました</translation>
    </message>
    <message>
        <source>Reading data is successful</source>
        <translation>データの読み取りに成功しました</translation>
    </message>
</context>
<context>
    <name>RfidReadLineForm</name>
    <message>
        <source>RFID Read</source>
        <translation>RFID 読み取り</translation>
    </message>
    <message>
        <source>Data Type</source>
        <translation>データ型</translation>
    </message>
    <message>
        <source>Start Block Number</source>
        <translation>開始ブロック番号</translation>
    </message>
    <message>
        <source>Number of Byte</source>
        <translation>バイト数</translation>
    </message>
    <message>
        <source>Output Type</source>
        <translation>出力形式</translation>
    </message>
</context>
<context>
    <name>RfidSecurityLineForm</name>
    <message>
        <source>RFID Security</source>
        <translation>RFID セキュリティ</translation>
    </message>
    <message>
        <source>Lock-Command Pay Load</source>
        <translation>ロックコマンド ペイロード</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>アンロック</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>ロック</translation>
    </message>
    <message>
        <source>UnLock</source>
        <translation>アンロック</translation>
    </message>
</context>
<context>
    <name>RfidWriteForm</name>
    <message>
        <source>RFID Write</source>
        <translation>RFID 書き込み</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>Acess :</source>
        <translation>Access :</translation>
    </message>
    <message>
        <source>Kill :</source>
        <translation>Kill :</translation>
    </message>
    <message>
        <source>* The value must be hexadecimal.</source>
        <translation>* 値は16進数で入力してください。</translation>
    </message>
    <message>
        <source>(e.g. 5E.3A.91.C7)</source>
        <translation>(例: 5E.3A.91.C7)</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>データ</translation>
    </message>
    <message>
        <source>Set Data</source>
        <translation>データ設定</translation>
    </message>
    <message>
        <source>Reset Data</source>
        <translation>データリセット</translation>
    </message>
    <message>
        <source>Lock-Command Payload</source>
        <translation>ロックコマンド ペイロード</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>アンロック</translation>
    </message>
    <message>
        <source>Lock-Command</source>
        <translation>ロックコマンド</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>書き込み</translation>
    </message>
    <message>
        <source>Popup RFID Read Dialog</source>
        <translation>RFID 読み取りダイアログを開く</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Set RFID setting is successful</source>
        <translation>RFID の設定に成功しました</translation>
    </message>
    <message>
        <source>Set RFID setting is faied</source>
        <translation>RFID の設定に失敗しました</translation>
    </message>
    <message>
        <source>Writing unlock-command is failed</source>
        <translation>アンロックコマンドの書き込みに失敗しました</translation>
    </message>
    <message>
        <source>Writing data is failed</source>
        <translation>データの書き込みに失敗しました</translation>
    </message>
    <message>
        <source>Writing lock-command is failed</source>
        <translation>ロックコマンドの書き込みに失敗しました</translation>
    </message>
    <message>
        <source>Writing is success</source>
        <translation>書き込みに成功しました</translation>
    </message>
</context>
<context>
    <name>RfidWriteLineForm</name>
    <message>
        <source>RFID Write</source>
        <translation>RFID 書き込み</translation>
    </message>
    <message>
        <source>Data Type</source>
        <translation>データ型</translation>
    </message>
    <message>
        <source>Start Block Number</source>
        <translation>開始ブロック番号</translation>
    </message>
    <message>
        <source>Number of Byte</source>
        <translation>バイト数</translation>
    </message>
    <message>
        <source>Set Data</source>
        <translation>データ設定</translation>
    </message>
    <message>
        <source>Reset Data</source>
        <translation>データリセット</translation>
    </message>
    <message>
        <source>Invalid value!
Please check StartBlockNumber and Number of bytes.</source>
        <translation>無効な値です!
開始ブロック番号とバイト数を確認してください。</translation>
    </message>
</context>
<context>
    <name>SampleRun</name>
    <message>
        <source>Sending %1 of %2</source>
        <translation>%2 件中 %1 件目を送信中</translation>
    </message>
    <message>
        <source>Stopped: the printer did not take %1 of %2.</source>
        <translation>中止しました: プリンターが %2 件中 %1 件目を受け取りませんでした。</translation>
    </message>
    <message>
        <source>Sent %1 of %2.</source>
        <translation>%2 件中 %1 件を送信しました。</translation>
    </message>
</context>
<context>
    <name>SensingCalibrationPage</name>
    <message>
        <source>Sensing Value Distribution</source>
        <translation>センシング値の分布</translation>
    </message>
    <message>
        <source>STEP 1 : Start</source>
        <translation>ステップ 1 : 開始</translation>
    </message>
    <message>
        <source>Sensing Type :</source>
        <translation>センシング方式 :</translation>
    </message>
    <message>
        <source>Label Length : (mm)</source>
        <translation>ラベル長 : (mm)</translation>
    </message>
    <message>
        <source>Check Sensing Value</source>
        <translation>センシング値を確認</translation>
    </message>
    <message>
        <source>STEP 2 : Save</source>
        <translation>ステップ 2 : 保存</translation>
    </message>
    <message>
        <source>Middle Gap Value :</source>
        <translation>中間ギャップ値 :</translation>
    </message>
    <message>
        <source>Gap Count :</source>
        <translation>ギャップ数 :</translation>
    </message>
    <message>
        <source>Save Calibration</source>
        <translation>キャリブレーションを保存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Cancel Calibration</source>
        <translation>キャリブレーションを取り消す</translation>
    </message>
    <message>
        <source>Sensing Data Read Fail!</source>
        <translation>センシングデータを読み取れませんでした。</translation>
    </message>
    <message>
        <source>Select the Sensening Level.</source>
        <translation>センシングレベルを選択してください。</translation>
    </message>
</context>
<context>
    <name>SensingChart</name>
    <message>
        <source>Sensing Value Distribution</source>
        <translation>センシング値の分布</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>件数</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>マーク</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>レベル</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>しきい値</translation>
    </message>
</context>
<context>
    <name>SerialSettingsPage</name>
    <message>
        <source>Serial Communication Setting</source>
        <translation>シリアル通信設定</translation>
    </message>
    <message>
        <source>Hand Shake :</source>
        <translation>ハンドシェイク:</translation>
    </message>
    <message>
        <source>Stop Bit :</source>
        <translation>ストップビット:</translation>
    </message>
    <message>
        <source>Data Length :</source>
        <translation>データ長:</translation>
    </message>
    <message>
        <source>Parity Check :</source>
        <translation>パリティチェック:</translation>
    </message>
    <message>
        <source>Parity Selection :</source>
        <translation>パリティ選択:</translation>
    </message>
    <message>
        <source>Baudrate :</source>
        <translation>ボーレート:</translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation>ハードウェア</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>ソフトウェア</translation>
    </message>
    <message>
        <source>1 Stop Bit</source>
        <translation>1 ストップビット</translation>
    </message>
    <message>
        <source>2 Stop Bit</source>
        <translation>2 ストップビット</translation>
    </message>
    <message>
        <source>No Parity</source>
        <translation>パリティなし</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>パリティあり</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>偶数</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>奇数</translation>
    </message>
    <message>
        <source>By Dip Switch</source>
        <translation>DIP スイッチに従う</translation>
    </message>
    <message>
        <source>Default Setting</source>
        <translation>初期値に戻す</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>取得</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Get serial communication status is faied</source>
        <translation>シリアル通信設定を取得できませんでした</translation>
    </message>
    <message>
        <source>Get serial communication status is successful</source>
        <translation>シリアル通信設定を取得しました</translation>
    </message>
    <message>
        <source>Please choose an entry in every list before Set.</source>
        <translation>設定する前に、すべての項目を選択してください。</translation>
    </message>
    <message>
        <source>Set serial communication status is faied</source>
        <translation>シリアル通信設定を書き込めませんでした</translation>
    </message>
    <message>
        <source>Set serial communication status is successful</source>
        <translation>シリアル通信設定を書き込みました</translation>
    </message>
    <message>
        <source>Please, turn off the printer and turn on the printer</source>
        <translation>プリンターの電源を一度切り、入れ直してください</translation>
    </message>
    <message>
        <source>Please, close application and re-connect printer</source>
        <translation>アプリケーションを終了し、プリンターに接続し直してください</translation>
    </message>
</context>
<context>
    <name>StatusPage</name>
    <message>
        <source>Paper Empty</source>
        <translation>用紙切れ</translation>
    </message>
    <message>
        <source>Cover Open</source>
        <translation>カバーオープン</translation>
    </message>
    <message>
        <source>Cutter jammed</source>
        <translation>カッター詰まり</translation>
    </message>
    <message>
        <source>Thermal Head overheat</source>
        <translation>サーマルヘッド過熱</translation>
    </message>
    <message>
        <source>Gap Detection Error</source>
        <translation>ギャップ検出エラー</translation>
    </message>
    <message>
        <source>Ribbon End Error</source>
        <translation>リボンエンドエラー</translation>
    </message>
    <message>
        <source>Status OK</source>
        <translation>状態正常</translation>
    </message>
    <message>
        <source>Printer Status</source>
        <translation>プリンタ状態</translation>
    </message>
    <message>
        <source>^CP Command Test</source>
        <translation>^CP コマンドテスト</translation>
    </message>
    <message>
        <source>On Building label</source>
        <translation>ラベル作成中</translation>
    </message>
    <message>
        <source>On Printing label</source>
        <translation>ラベル印刷中</translation>
    </message>
    <message>
        <source>Issued label is pasued</source>
        <translation>発行ラベル一時停止中</translation>
    </message>
    <message>
        <source>^CU Command Test</source>
        <translation>^CU コマンドテスト</translation>
    </message>
    <message>
        <source>Printer Status(Only Seral)</source>
        <translation>プリンタ状態（シリアルのみ）</translation>
    </message>
    <message>
        <source>^ee Command Test</source>
        <translation>^ee コマンドテスト</translation>
    </message>
    <message>
        <source>No Error</source>
        <translation>エラーなし</translation>
    </message>
    <message>
        <source>Syntax Error</source>
        <translation>構文エラー</translation>
    </message>
    <message>
        <source>Exceeded Border</source>
        <translation>印字範囲超過</translation>
    </message>
    <message>
        <source>BarCode Error</source>
        <translation>バーコードエラー</translation>
    </message>
    <message>
        <source>Insufficant Mem</source>
        <translation>メモリー不足</translation>
    </message>
    <message>
        <source>Memory Error</source>
        <translation>メモリーエラー</translation>
    </message>
    <message>
        <source>RS-232 Error</source>
        <translation>RS-232 エラー</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>空</translation>
    </message>
    <message>
        <source>Duplicate Name</source>
        <translation>名前の重複</translation>
    </message>
    <message>
        <source>Name Not Found</source>
        <translation>名前が見つからない</translation>
    </message>
    <message>
        <source>Not in Data Entry</source>
        <translation>データ入力中でない</translation>
    </message>
    <message>
        <source>Print Head Up</source>
        <translation>プリントヘッドアップ</translation>
    </message>
    <message>
        <source>Pause Mode</source>
        <translation>一時停止モード</translation>
    </message>
    <message>
        <source>Printer Busy</source>
        <translation>プリンタービジー</translation>
    </message>
    <message>
        <source>Undefined</source>
        <translation>未定義</translation>
    </message>
    <message>
        <source>Cutter Jammed</source>
        <translation>カッター詰まり</translation>
    </message>
    <message>
        <source>AutoSense</source>
        <translation>オートセンス</translation>
    </message>
    <message>
        <source>Illegal Interrupt</source>
        <translation>不正割り込み</translation>
    </message>
    <message>
        <source>Excessive Feeding</source>
        <translation>過剰送り</translation>
    </message>
    <message>
        <source>Not defined</source>
        <translation>未定義</translation>
    </message>
    <message>
        <source>CPS Command Test</source>
        <translation>CPS コマンドテスト</translation>
    </message>
    <message>
        <source>Paper Jam</source>
        <translation>紙詰まり</translation>
    </message>
    <message>
        <source>TPH overheat</source>
        <translation>TPH 過熱</translation>
    </message>
    <message>
        <source>This Command is applied in Serial Interface only!</source>
        <translation>このコマンドはシリアルインターフェースでのみ使用できます。</translation>
    </message>
    <message>
        <source>Status Data Read Fail!</source>
        <translation>状態データを読み取れませんでした。</translation>
    </message>
</context>
<context>
    <name>TagAreaControls</name>
    <message>
        <source>Label</source>
        <translation>ラベル</translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>メタル</translation>
    </message>
    <message>
        <source>EPC Data :</source>
        <translation>EPC データ :</translation>
    </message>
    <message>
        <source>User Data</source>
        <translation>ユーザーデータ</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>ASCII</source>
        <translation>ASCII</translation>
    </message>
    <message>
        <source>Data type</source>
        <translation>データ形式</translation>
    </message>
    <message>
        <source>Invalid value!
Please check StartBlockNumber and Number of bytes.</source>
        <translation>無効な値です!
開始ブロック番号とバイト数を確認してください。</translation>
    </message>
    <message>
        <source>Start Block Number :</source>
        <translation>開始ブロック番号 :</translation>
    </message>
    <message>
        <source>Nuber of bytes :</source>
        <translation>バイト数 :</translation>
    </message>
</context>
<context>
    <name>TesterWindow</name>
    <message>
        <source>TORQ Tester</source>
        <translation>TORQ テスター</translation>
    </message>
    <message>
        <source>TORQ Command</source>
        <translation>TORQ コマンド</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>切り取り</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Printing Setting</source>
        <translation>印刷設定</translation>
    </message>
    <message>
        <source>Speed &amp;&amp; Density &amp;&amp; Direction</source>
        <translation>速度 &amp;&amp; 濃度 &amp;&amp; 方向</translation>
    </message>
    <message>
        <source>Paper Setting</source>
        <translation>用紙設定</translation>
    </message>
    <message>
        <source>Margin &amp;&amp; Width &amp;&amp; Length</source>
        <translation>マージン &amp;&amp; 幅 &amp;&amp; 長さ</translation>
    </message>
    <message>
        <source>Printer Status</source>
        <translation>プリンタ状態</translation>
    </message>
    <message>
        <source>Check Printer Status</source>
        <translation>プリンタ状態確認</translation>
    </message>
    <message>
        <source>Printing Module</source>
        <translation>印字要素</translation>
    </message>
    <message>
        <source>Line &amp;&amp; Box</source>
        <translation>罫線 &amp;&amp; ボックス</translation>
    </message>
    <message>
        <source>1D Barcode</source>
        <translation>1次元バーコード</translation>
    </message>
    <message>
        <source>2D Barcode</source>
        <translation>2次元バーコード</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>部数</translation>
    </message>
    <message>
        <source>Bitmap Text</source>
        <translation>ビットマップテキスト</translation>
    </message>
    <message>
        <source>Vector Text</source>
        <translation>ベクターテキスト</translation>
    </message>
    <message>
        <source>Character Set</source>
        <translation>文字セット</translation>
    </message>
    <message>
        <source>TORQ Command Edit</source>
        <translation>TORQ コマンド編集</translation>
    </message>
    <message>
        <source>2Byte Code</source>
        <translation>2バイトコード</translation>
    </message>
    <message>
        <source>Print Codes</source>
        <translation>コード印刷</translation>
    </message>
    <message>
        <source>RFID Write and Read</source>
        <translation>RFID 書き込み/読み取り</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>書き込み</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>読み取り</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>セキュリティ</translation>
    </message>
    <message>
        <source>Kill</source>
        <translation>キル</translation>
    </message>
    <message>
        <source>Multi Send</source>
        <translation>連続送信</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>読み込み</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>単位変換</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Don't select load file</source>
        <translation>読み込むファイルが選択されていません</translation>
    </message>
    <message>
        <source>Cannot open the file %1.</source>
        <translation>ファイル %1 を開けません。</translation>
    </message>
    <message>
        <source>The file %1 is too large to load (more than %2 bytes).</source>
        <translation>ファイル %1 は大きすぎるため読み込めません(%2 バイト超)。</translation>
    </message>
    <message>
        <source>Cannot read the file %1.</source>
        <translation>ファイル %1 を読み込めません。</translation>
    </message>
    <message>
        <source>Don't select save file</source>
        <translation>保存するファイルが選択されていません</translation>
    </message>
    <message>
        <source>Cannot write the file %1.</source>
        <translation>ファイル %1 に書き込めません。</translation>
    </message>
    <message>
        <source>All files(*.*)</source>
        <translation>すべてのファイル(*.*)</translation>
    </message>
    <message>
        <source>Text files(*.txt)</source>
        <translation>テキストファイル(*.txt)</translation>
    </message>
    <message>
        <source>Binary files(*.bin)</source>
        <translation>バイナリファイル(*.bin)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
</context>
<context>
    <name>TwoByteCodepageForm</name>
    <message>
        <source>A1 to F7</source>
        <translation>A1 ～ F7</translation>
    </message>
    <message>
        <source>A1 to E8</source>
        <translation>A1 ～ E8</translation>
    </message>
    <message>
        <source>81 to EE, FA to FC</source>
        <translation>81 ～ EE、FA ～ FC</translation>
    </message>
    <message>
        <source>2 Byte Codepage</source>
        <translation>2 バイトコードページ</translation>
    </message>
    <message>
        <source>Code Table :</source>
        <translation>コードテーブル :</translation>
    </message>
    <message>
        <source>Character Block</source>
        <translation>文字ブロック</translation>
    </message>
    <message>
        <source>Print all block character code</source>
        <translation>全ブロックの文字コードを印刷</translation>
    </message>
    <message>
        <source>Start Block :</source>
        <translation>開始ブロック :</translation>
    </message>
    <message>
        <source>End Block :</source>
        <translation>終了ブロック :</translation>
    </message>
    <message>
        <source>Block Area :</source>
        <translation>ブロック範囲 :</translation>
    </message>
    <message>
        <source>Font Type</source>
        <translation>フォントの種類</translation>
    </message>
    <message>
        <source>Bitmap Font</source>
        <translation>ビットマップフォント</translation>
    </message>
    <message>
        <source>Vector Font</source>
        <translation>ベクターフォント</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Bitmap Font Name: </source>
        <translation>ビットマップフォント名: </translation>
    </message>
    <message>
        <source>Vector Font Width :</source>
        <translation>ベクターフォントの幅 :</translation>
    </message>
    <message>
        <source>Vector Font Height :</source>
        <translation>ベクターフォントの高さ :</translation>
    </message>
    <message>
        <source>Print Characters</source>
        <translation>文字を印刷</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Start Block value is wrong!</source>
        <translation>開始ブロックの値が正しくありません!</translation>
    </message>
    <message>
        <source>End Block value is wrong!</source>
        <translation>終了ブロックの値が正しくありません!</translation>
    </message>
</context>
<context>
    <name>UnitConversion</name>
    <message>
        <source>inch</source>
        <translation>インチ</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>dots</source>
        <translation>ドット</translation>
    </message>
</context>
<context>
    <name>UserSettingManager</name>
    <message>
        <source>User Setting Manager</source>
        <translation>ユーザー設定マネージャー</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>シリアル</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Print&amp;&amp;Page</source>
        <translation>印刷&amp;&amp;用紙</translation>
    </message>
    <message>
        <source>Hardware Info</source>
        <translation>ハードウェア情報</translation>
    </message>
    <message>
        <source>Printer Info</source>
        <translation>プリンター情報</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>Validation</name>
    <message>
        <source>Please enter an integer.</source>
        <translation>整数を入力してください。</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>%1 から %2 までの整数を入力してください。</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>数値を入力してください。</translation>
    </message>
    <message>
        <source>Please enter a number between %1 and %2.</source>
        <translation>%1 から %2 までの数値を入力してください。</translation>
    </message>
</context>
<context>
    <name>VectorTextForm</name>
    <message>
        <source>Vector Text Command</source>
        <translation>ベクターテキストコマンド</translation>
    </message>
    <message>
        <source>X Pos</source>
        <translation>X位置</translation>
    </message>
    <message>
        <source>Y Pos</source>
        <translation>Y位置</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>フォント</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>幅</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>高さ</translation>
    </message>
    <message>
        <source>Font Space</source>
        <translation>文字間隔</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>太字</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>反転</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>斜体</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>回転</translation>
    </message>
    <message>
        <source>Justification</source>
        <translation>文字揃え</translation>
    </message>
    <message>
        <source>Text Direction</source>
        <translation>文字方向</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右揃え</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>中央揃え</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左揃え</translation>
    </message>
    <message>
        <source>Left to Right</source>
        <translation>左から右</translation>
    </message>
    <message>
        <source>Right to Left</source>
        <translation>右から左</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>The network layer could not be started. Tagwell ends.</source>
        <translation>ネットワーク層を開始できませんでした。Tagwell を終了します。</translation>
    </message>
</context>
</TS>
