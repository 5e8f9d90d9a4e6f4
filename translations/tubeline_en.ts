<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>About</name>
    <message>
        <source>診断用Ｘ線管（タングステンターゲット）から出る光子スペクトルを、Tucker の式、Birch の式または物理モデルで、線束中心 ± 10° の 11 方向について計算します。物理モデルのスペクトルは mAs あたりの絶対値で、その空気カーマも示します。</source>
        <translation>Calculates the photon spectra leaving a diagnostic X-ray tube with a tungsten target, with Tucker&apos;s formula, Birch&apos;s formula or the physics model, in 11 directions within ±10° of the beam centre. The physics model&apos;s spectra are absolute, per mAs, and it gives their air kerma.</translation>
    </message>
    <message>
        <source>バージョン %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>ライセンス: MIT ライセンス。全文はソースの LICENSE、インストールした場合は share/doc/tubeline/copyright にあります。</source>
        <translation>Licence: MIT. The full text is in LICENSE in the source, and in share/doc/tubeline/copyright where installed.</translation>
    </message>
    <message>
        <source>データの出所: 減弱係数と質量エネルギー吸収係数、材質ファイル、タングステンの特性Ｘ線は xraylib のデータから計算したもので、xraylib の BSD 3 条項ライセンスに従います。物理モデルのターゲットの表は SpekPy 2.5.3（Robert Bujila, Gavin Poludniowski）の表から作ったもので、その MIT ライセンスに従います。表の構成とそれ以外はこのプロジェクトのもの（MIT）です。詳しくはソースの data/README.md、インストールした場合は share/doc/tubeline/data-files.md にあります。</source>
        <translation>Data: the attenuation and energy-absorption coefficients, the material files and tungsten&apos;s characteristic lines are computed from xraylib&apos;s data, under xraylib&apos;s three-clause BSD licence; the physics model&apos;s target tables are made from the tables of SpekPy 2.5.3 (Robert Bujila, Gavin Poludniowski), under its MIT licence. The tables&apos; layout and everything else are this project&apos;s own (MIT). The details are in data/README.md in the source, and in share/doc/tubeline/data-files.md where installed.</translation>
    </message>
    <message>
        <source>検証: 測定されたビーム（PTB）との比較と IEC 61267 の RQR 線質は、ソースの docs/validation.md、インストールした場合は share/doc/tubeline/validation.md にあります。</source>
        <translation>Validation: the comparison with beams measured by PTB and the RQR qualities of IEC 61267 are in docs/validation.md in the source, and in share/doc/tubeline/validation.md where installed.</translation>
    </message>
</context>
<context>
    <name>AboutWindow</name>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>このプログラムについて</source>
        <translation>About Tubeline</translation>
    </message>
</context>
<context>
    <name>BeamQualityWindow</name>
    <message>
        <source>第1半価層
(mm Al)</source>
        <translation>HVL1
(mm Al)</translation>
    </message>
    <message>
        <source>第2半価層
(mm Al)</source>
        <translation>HVL2
(mm Al)</translation>
    </message>
    <message>
        <source>均等度</source>
        <translation>Homogeneity
coefficient</translation>
    </message>
    <message>
        <source>第1半価層
(mm Cu)</source>
        <translation>HVL1
(mm Cu)</translation>
    </message>
    <message>
        <source>平均エネルギー
(keV)</source>
        <translation>Mean energy
(keV)</translation>
    </message>
    <message>
        <source>空気カーマ加重
平均エネルギー
(keV)</source>
        <translation>Kerma-weighted
mean energy
(keV)</translation>
    </message>
    <message>
        <source>実効エネルギー
(keV)</source>
        <translation>Effective
energy
(keV)</translation>
    </message>
    <message>
        <source>水カーマ／
空気カーマ</source>
        <translation>Water kerma /
air kerma</translation>
    </message>
    <message>
        <source>軟部組織カーマ／
空気カーマ</source>
        <translation>Soft-tissue
kerma /
air kerma</translation>
    </message>
    <message>
        <source>計算条件（最後に計算したスペクトル）</source>
        <translation>Conditions (of the last spectra computed)</translation>
    </message>
    <message>
        <source>角度ごとの線質（角度は線束中心から、－ は陰極側、＋ は陽極側）</source>
        <translation>Beam quality by angle (from the beam centre; − cathode side, + anode side)</translation>
    </message>
    <message>
        <source>目標の半価層</source>
        <translation>Target HVL</translation>
    </message>
    <message>
        <source>半価層に合わせる</source>
        <translation>Match the HVL</translation>
    </message>
    <message>
        <source>コピー</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>線質の詳細</source>
        <translation>Beam quality</translation>
    </message>
    <message>
        <source>均等度 = 第1半価層 / 第2半価層。求められない値は — で示します</source>
        <translation>Homogeneity coefficient = HVL1 / HVL2. A value that cannot be found shows as —</translation>
    </message>
    <message>
        <source>最後に計算した条件で目標の半価層になるアルミ付加フィルタの厚さを探し、リセットしてその条件と厚さを入力欄に入れます</source>
        <translation>Finds the added aluminium that gives the last conditions the target HVL, then resets and fills in those conditions with that thickness</translation>
    </message>
    <message>
        <source>表をタブ区切りの文字としてクリップボードに入れます（表計算ソフトに貼り付けられます）</source>
        <translation>Puts the table on the clipboard as tab-separated text (to paste into a spreadsheet)</translation>
    </message>
    <message>
        <source>空気カーマ／mAs
1 m
(µGy)</source>
        <translation>Air kerma / mAs
at 1 m
(µGy)</translation>
    </message>
    <message>
        <source>フルエンス／mAs
1 m
(Photons / mm²)</source>
        <translation>Fluence / mAs
at 1 m
(Photons / mm²)</translation>
    </message>
    <message>
        <source>空気カーマ／mAs
距離・出力係数
(µGy)</source>
        <translation>Air kerma / mAs
at distance
× factor (µGy)</translation>
    </message>
</context>
<context>
    <name>Comparison</name>
    <message>
        <source>比較用に保持</source>
        <translation>Keep for comparison</translation>
    </message>
    <message>
        <source>ビームの比較</source>
        <translation>Beams compared</translation>
    </message>
    <message>
        <source>保持したビームと入力欄の条件の、線束中心での線質</source>
        <translation>The quality at the beam centre of the kept beams and of the fields' conditions</translation>
    </message>
    <message>
        <source>（最大 %1 本）</source>
        <translation>(up to %1)</translation>
    </message>
    <message>
        <source>曲線の大きさ</source>
        <translation>Curve scale</translation>
    </message>
    <message>
        <source>各曲線をそのピークで</source>
        <translation>Each curve to its own peak</translation>
    </message>
    <message>
        <source>線束中心の空気カーマ 1 µGy あたり</source>
        <translation>Per µGy of air kerma at the beam centre</translation>
    </message>
    <message>
        <source>光子 / (mm²・keV・µGy)</source>
        <translation>photons / (mm² keV µGy)</translation>
    </message>
    <message>
        <source>keV / (mm²・keV・µGy)</source>
        <translation>keV / (mm² keV µGy)</translation>
    </message>
    <message>
        <source>µGy / (keV・µGy)</source>
        <translation>µGy / (keV µGy)</translation>
    </message>
    <message>
        <source>ビーム</source>
        <translation>Beam</translation>
    </message>
    <message>
        <source>条件</source>
        <translation>Conditions</translation>
    </message>
    <message>
        <source>入力欄</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>入力欄へ</source>
        <translation>Make current</translation>
    </message>
    <message>
        <source>#%1 の条件を入力欄へ</source>
        <translation>Make #%1 current</translation>
    </message>
    <message>
        <source>#%1 を削除</source>
        <translation>Remove #%1</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>%1 がこのページで開かれていないため、このビームは計算できません。「材質ファイルを開く…」で開くと計算します</source>
        <translation>%1 is not open in this page, so this beam cannot be computed; it is once the file is opened with “Open a material file…”</translation>
    </message>
    <message>
        <source>比較スペクトル保存</source>
        <translation>Save compared spectra</translation>
    </message>
    <message>
        <source>比較したスペクトル（線束中心）</source>
        <translation>Compared spectra (beam centre)</translation>
    </message>
</context>
<context>
    <name>FilterDialog</name>
    <message>
        <source>フィルターの種類</source>
        <translation>Filter material</translation>
    </message>
    <message>
        <source>材質</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>厚さ</source>
        <translation>Thickness</translation>
    </message>
    <message>
        <source>任意フィルター設定</source>
        <translation>Arbitrary filter</translation>
    </message>
</context>
<context>
    <name>GeometryForm</name>
    <message>
        <source>計算点 模式図</source>
        <translation>Calculation points: schematic</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source> 計算点 模式図</source>
        <translation> Geometry</translation>
    </message>
</context>
<context>
    <name>GeometrySchematic</name>
    <message>
        <source>ターゲット</source>
        <translation>Target</translation>
    </message>
    <message>
        <source>電子</source>
        <translation>Electrons</translation>
    </message>
    <message>
        <source>固有ろ過</source>
        <translation>Inherent filtration</translation>
    </message>
    <message>
        <source>付加フィルタ</source>
        <translation>Added filter</translation>
    </message>
    <message>
        <source>ターゲット角</source>
        <translation>Target angle</translation>
    </message>
    <message>
        <source>計算点</source>
        <translation>Calc. points</translation>
    </message>
</context>
<context>
    <name>Graph</name>
    <message>
        <source>%1 keV の相対値&#x3000;%2</source>
        <translation>At %1 keV, relative: %2</translation>
    </message>
    <message>
        <source>グラフで比べられるのは %1 つの計算までのため、最も古い計算を外しました</source>
        <translation>The graph compares up to %1 runs: the oldest has been taken off</translation>
    </message>
    <message>
        <source>グラフには %1 つの計算が描かれています。保存するのは、グラフに描かれていない最後の計算のスペクトルだけです</source>
        <translation>Runs on the graph: %1. The file holds the spectra of the last run only, which is not drawn</translation>
    </message>
    <message>
        <source>グラフには %1 つの計算が描かれています。保存するのは最後の計算 #%2 のスペクトルだけです</source>
        <translation>Runs on the graph: %1. The file holds the spectra of the last run, #%2, only</translation>
    </message>
    <message>
        <source>三相12ピーク</source>
        <translation>12-pulse</translation>
    </message>
    <message>
        <source>単相全波</source>
        <translation>1-phase</translation>
    </message>
    <message>
        <source>定電圧</source>
        <translation>CP</translation>
    </message>
    <message>
        <source>%1 %2°、%3 kV、%4、%5</source>
        <translation>%1 %2°, %3 kV, %4, %5</translation>
    </message>
</context>
<context>
    <name>GraphImageDialog</name>
    <message>
        <source>表示されているスペクトルの画像を</source>
        <translation>Saves the image of the spectra shown</translation>
    </message>
    <message>
        <source>ビットマップ形式で保存します</source>
        <translation>as a bitmap</translation>
    </message>
    <message>
        <source>ファイル名（拡張子なしで入力）</source>
        <translation>File name (without extension)</translation>
    </message>
    <message>
        <source> スペクトル画像保存</source>
        <translation>Save spectrum image</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <source>描画</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>度</source>
        <translation>degrees</translation>
    </message>
    <message>
        <source>グラフの縦軸</source>
        <translation>Vertical axis</translation>
    </message>
    <message>
        <source>フルエンス</source>
        <translation>Photon fluence</translation>
    </message>
    <message>
        <source>エネルギーフルエンス</source>
        <translation>Energy fluence</translation>
    </message>
    <message>
        <source>空気カーマ</source>
        <translation>Air kerma</translation>
    </message>
    <message>
        <source>照 射 条 件</source>
        <translation>Exposure conditions</translation>
    </message>
    <message>
        <source>整流方式</source>
        <translation>Rectification</translation>
    </message>
    <message>
        <source>任意材質フィルタ</source>
        <translation>Arbitrary filters</translation>
    </message>
    <message>
        <source>（最大３種類）</source>
        <translation>(up to three)</translation>
    </message>
    <message>
        <source>設定</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>解除</source>
        <translation>Release</translation>
    </message>
    <message>
        <source>スペクトル計算</source>
        <translation>Calculate spectra</translation>
    </message>
    <message>
        <source>リセット</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>スペクトルデータ保存</source>
        <translation>Save spectrum data</translation>
    </message>
    <message>
        <source>グラフ画像保存</source>
        <translation>Save graph image</translation>
    </message>
    <message>
        <source>計算点 模式図表示</source>
        <translation>Show calculation points</translation>
    </message>
    <message>
        <source>線質の詳細</source>
        <translation>Beam quality</translation>
    </message>
    <message>
        <source>参考データ</source>
        <translation>Reference data</translation>
    </message>
    <message>
        <source>線束中心にて</source>
        <translation>at the beam centre</translation>
    </message>
    <message>
        <source>光子束スペクトル</source>
        <translation>Photon fluence spectrum</translation>
    </message>
    <message>
        <source>エネルギー束スペクトル</source>
        <translation>Energy fluence spectrum</translation>
    </message>
    <message>
        <source>照射線量スペクトル</source>
        <translation>Exposure (air kerma) spectrum</translation>
    </message>
    <message>
        <source>最後に計算した線質を角度ごとに表示します（第2半価層、均等度、平均・実効エネルギーなど）</source>
        <translation>Shows the beam quality of the last run for every angle (second HVL, homogeneity coefficient, mean and effective energies and more)</translation>
    </message>
    <message>
        <source>条件変更</source>
        <translation>Edit conditions</translation>
    </message>
    <message>
        <source>Diagnostic X-ray Spectrum by the Tucker&apos;s formula</source>
        <translation>Tubeline — Tucker&apos;s formula</translation>
    </message>
    <message>
        <source>Diagnostic X-ray Spectrum by the Birch&apos;s formula</source>
        <translation>Tubeline — Birch&apos;s formula</translation>
    </message>
    <message>
        <source>degree</source>
        <translation>degrees</translation>
    </message>
    <message>
        <source>出口</source>
        <translation>EXIT</translation>
    </message>
    <message>
        <source>  --- bye ---  </source>
        <translation>Exit (--- bye ---)</translation>
    </message>
    <message>
        <source>Tubeline — 物理モデル</source>
        <translation>Tubeline — Physics model</translation>
    </message>
    <message>
        <source>物理モデルの mAs あたりの空気カーマを求める、焦点からの距離と、この管の出力とモデルの出力の比</source>
        <translation>Where the physics model&apos;s air kerma per mAs is wanted, as the distance from the focus, and this tube&apos;s output over the model&apos;s</translation>
    </message>
</context>
<context>
    <name>Materials</name>
    <message>
        <source>空気</source>
        <translation>Air</translation>
    </message>
    <message>
        <source>水</source>
        <translation>Water</translation>
    </message>
    <message>
        <source>脂肪組織</source>
        <translation>Adipose tissue</translation>
    </message>
    <message>
        <source>乳房組織</source>
        <translation>Breast tissue</translation>
    </message>
    <message>
        <source>皮質骨</source>
        <translation>Cortical bone</translation>
    </message>
    <message>
        <source>骨格筋</source>
        <translation>Skeletal muscle</translation>
    </message>
    <message>
        <source>軟部組織</source>
        <translation>Soft tissue</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>密度</source>
        <translation>density</translation>
    </message>
    <message>
        <source>データ行数</source>
        <translation>number of rows</translation>
    </message>
    <message>
        <source>データ行 %1 の第 %2 項目</source>
        <translation>field %2 of data row %1</translation>
    </message>
    <message>
        <source>密度がありません</source>
        <translation>the density is missing</translation>
    </message>
    <message>
        <source>データ行数がありません</source>
        <translation>the number of rows is missing</translation>
    </message>
    <message>
        <source>%1 行のデータのうちデータ行 %2 の第 %3 項目がありません</source>
        <translation>of %1 data rows, field %3 of row %2 is missing</translation>
    </message>
    <message>
        <source>読み取り専用のファイルです</source>
        <translation>the file is marked read-only</translation>
    </message>
    <message>
        <source>ファイルまたはフォルダがありません</source>
        <translation>no such file or folder</translation>
    </message>
    <message>
        <source>アクセスが許可されていません</source>
        <translation>access is not permitted</translation>
    </message>
    <message>
        <source>読み取り専用の場所です</source>
        <translation>the place is read-only</translation>
    </message>
    <message>
        <source>ディスクの空き容量がありません</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>ディスクの使用量の上限に達しています</source>
        <translation>the disk quota is used up</translation>
    </message>
    <message>
        <source>ファイルの大きさが上限を超えます</source>
        <translation>the file would exceed the size limit</translation>
    </message>
    <message>
        <source>フォルダです</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>名前が長すぎます</source>
        <translation>the name is too long</translation>
    </message>
    <message>
        <source>この名前は使えません</source>
        <translation>this name cannot be used</translation>
    </message>
    <message>
        <source>減弱係数ファイル %1 を読めません（%2）。</source>
        <translation>Cannot read the attenuation table %1 (%2).</translation>
    </message>
    <message>
        <source>減弱係数ファイル %1 のデータが途中で終わっています。%2 個の数値が必要ですが、%3 個しかありません（レコード %4 の第 %5 項目がありません）。</source>
        <translation>The attenuation table %1 ends early: %2 numbers are needed, but there are only %3 (field %5 of record %4 is missing).</translation>
    </message>
    <message>
        <source>減弱係数ファイル %1 の %2 行目、レコード %3 の第 %4 項目「%5」は数値ではありません。</source>
        <translation>In the attenuation table %1, line %2: field %4 of record %3, &quot;%5&quot;, is not a number.</translation>
    </message>
    <message>
        <source>材質ファイル %1 を読めません（%2）。</source>
        <translation>Cannot read the material file %1 (%2).</translation>
    </message>
    <message>
        <source>材質ファイル %1 の 1 行目（材質名）は UTF-8 でも Shift-JIS でもありません。</source>
        <translation>Line 1 (the material&apos;s name) of the material file %1 is neither UTF-8 nor Shift-JIS.</translation>
    </message>
    <message>
        <source>材質ファイル %1 のデータが途中で終わっています（%2）。</source>
        <translation>The material file %1 ends early (%2).</translation>
    </message>
    <message>
        <source>材質ファイル %1 の %2 行目、%3「%4」は数値ではありません。</source>
        <translation>In the material file %1, line %2: the %3, &quot;%4&quot;, is not a number.</translation>
    </message>
    <message>
        <source>材質ファイル %1 の密度 %2 は正の数ではありません。</source>
        <translation>The density %2 in the material file %1 is not a positive number.</translation>
    </message>
    <message>
        <source>材質ファイル %1 のデータ行数 %2 は 1 から %3 までの整数ではありません。</source>
        <translation>The number of rows %2 in the material file %1 is not a whole number from 1 to %3.</translation>
    </message>
    <message>
        <source>材質ファイル %1 の %2 行目、データ行 %3 のエネルギー %4 MeV は正の数ではありません。</source>
        <translation>In the material file %1, line %2: the energy of data row %3, %4 MeV, is not a positive number.</translation>
    </message>
    <message>
        <source>材質ファイル %1 の %2 行目、データ行 %3 のエネルギー %4 MeV が前の行の %5 MeV より小さくなっています。エネルギーは小さい順に並べて下さい。</source>
        <translation>In the material file %1, line %2: the energy of data row %3, %4 MeV, is smaller than the %5 MeV of the row before. List the energies in ascending order.</translation>
    </message>
    <message>
        <source>材質ファイル %1 の %2 行目、データ行 %3 の減弱係数の和が数値の範囲を超えています。</source>
        <translation>In the material file %1, line %2: the sum of the attenuation coefficients of data row %3 is beyond the range of numbers.</translation>
    </message>
    <message>
        <source>材質ファイル %1 の %2 行目、データ行 %3 の減弱係数の和 %4 cm2/g は正の数ではありません。</source>
        <translation>In the material file %1, line %2: the sum of the attenuation coefficients of data row %3, %4 cm2/g, is not a positive number.</translation>
    </message>
    <message>
        <source>材質ファイル %1 の最初のエネルギー %2 MeV が %3 MeV より大きくなっています。データはこのエネルギー以下から始めて下さい。</source>
        <translation>The first energy of the material file %1, %2 MeV, is above %3 MeV. The data must start at or below this energy.</translation>
    </message>
    <message>
        <source>材質ファイル %1 の最後のエネルギー %2 MeV が %3 MeV を超えていません。データはこのエネルギーより先まで必要です。</source>
        <translation>The last energy of the material file %1, %2 MeV, is not above %3 MeV. The data must reach beyond this energy.</translation>
    </message>
    <message>
        <source>材質ファイル %1 の密度 %2 g/cm3 と減弱係数 %3 cm2/g の積が数値の範囲を超えています。</source>
        <translation>In the material file %1, the density %2 g/cm3 times the attenuation coefficient %3 cm2/g is beyond the range of numbers.</translation>
    </message>
    <message>
        <source>Ｘ線管電圧</source>
        <translation>Tube voltage</translation>
    </message>
    <message>
        <source>ターゲット角度</source>
        <translation>Target angle</translation>
    </message>
    <message>
        <source>固有ろ過（Al 当量）</source>
        <translation>Inherent filtration (Al equiv.)</translation>
    </message>
    <message>
        <source>アルミ付加フィルタ</source>
        <translation>Added aluminium</translation>
    </message>
    <message>
        <source>銅付加フィルタ</source>
        <translation>Added copper</translation>
    </message>
    <message>
        <source>%1の値が数値の範囲を超えています</source>
        <translation>%1: the value is beyond the range of numbers</translation>
    </message>
    <message>
        <source>ろ過が厚すぎるため、スペクトルがすべてのエネルギーで 0 になりました。ろ過の条件を見直して下さい</source>
        <translation>The filtration is so thick that the spectrum is 0 at every energy. Please check the filtration</translation>
    </message>
    <message>
        <source>スペクトルの値が数値の範囲を超えました。ろ過の条件（負の厚さなど）を見直して下さい</source>
        <translation>The spectrum went beyond the range of numbers. Please check the filtration (a negative thickness, say)</translation>
    </message>
    <message>
        <source>線束中心のスペクトルから参考データ（半価層、フルエンス）を計算できません。ろ過の条件を見直して下さい</source>
        <translation>The beam-centre spectrum gives no reference data (half-value layer, fluence). Please check the filtration</translation>
    </message>
    <message>
        <source>スペクトル表ファイル %1 を書き込めません（%2）</source>
        <translation>Cannot write the spectrum table file %1 (%2)</translation>
    </message>
    <message>
        <source>フィルターの厚さを入力して下さい。</source>
        <translation>Please enter the filter&apos;s thickness.</translation>
    </message>
    <message>
        <source>フィルターは３種類までです。「解除」してから設定して下さい</source>
        <translation>At most three filters can be set. Release them first</translation>
    </message>
    <message>
        <source>目標の半価層 %1 mm Al は、%2 を加えない線質の半価層 %3 mm Al より小さいため、フィルタを加えても届きません</source>
        <translation>The target half-value layer of %1 mm Al is below the %3 mm Al of the beam without %2, so no added filter reaches it</translation>
    </message>
    <message>
        <source>目標の半価層 %1 mm Al には、%2 を %3 mm まで加えても届きません（得られた最大の半価層は %4 mm Al）</source>
        <translation>Up to %3 mm of %2 does not reach the target half-value layer of %1 mm Al (the largest reached is %4 mm Al)</translation>
    </message>
    <message>
        <source>目標の半価層が正の数ではありません</source>
        <translation>The target half-value layer is not a positive number</translation>
    </message>
    <message>
        <source>任意フィルタが３種類とも設定されているため、厚さを探すフィルタを加えられません</source>
        <translation>All three arbitrary filters are set, so no filter can be added for the search</translation>
    </message>
    <message>
        <source>ファイル %1 に保存できません（%2）</source>
        <translation>Cannot save to the file %1 (%2)</translation>
    </message>
    <message>
        <source>保存する内容の %1 行目「%2」の文字「%3」は Shift-JIS で書けません</source>
        <translation>The character &quot;%3&quot; in line %1 of the data, &quot;%2&quot;, cannot be written in Shift-JIS</translation>
    </message>
    <message>
        <source>ファイル名に区切り文字「%1」は使えません。保存フォルダは一覧で選んで下さい</source>
        <translation>The file name cannot contain the separator &quot;%1&quot;. Please choose the folder in the list</translation>
    </message>
    <message>
        <source>データを %1 に保存しました</source>
        <translation>The data were saved to %1</translation>
    </message>
    <message>
        <source>グラフ画像を %1 に保存できません（%2）</source>
        <translation>Cannot save the graph image to %1 (%2)</translation>
    </message>
    <message>
        <source>フィルター材質が未選択です。</source>
        <translation>No filter material is chosen.</translation>
    </message>
    <message>
        <source>ファイル名を入力して下さい</source>
        <translation>Please enter a file name</translation>
    </message>
    <message>
        <source>計算した条件にはフィルターを追加できません。「リセット」してから設定して下さい</source>
        <translation>No filter can be added to computed conditions. Press Reset first</translation>
    </message>
    <message>
        <source>途中にフォルダでないファイルがあります</source>
        <translation>a file stands where a folder is needed</translation>
    </message>
    <message>
        <source>作業用フォルダ %1 を作成できません（%2）。スペクトル表ファイルは書き込まれません。</source>
        <translation>Cannot create the working folder %1 (%2). The spectrum table file will not be written.</translation>
    </message>
    <message>
        <source>Al %1 mm を設定しました（半価層 %2 mm Al）。「スペクトル計算」で計算して下さい</source>
        <translation>Set %1 mm of Al (HVL %2 mm Al). Press Calculate spectra to compute it</translation>
    </message>
    <message>
        <source>Tucker の式</source>
        <translation>Tucker&apos;s formula</translation>
    </message>
    <message>
        <source>Birch の式</source>
        <translation>Birch&apos;s formula</translation>
    </message>
    <message>
        <source>任意フィルタ (-)</source>
        <translation>Arbitrary filters (-)</translation>
    </message>
    <message>
        <source>任意フィルタ</source>
        <translation>Arbitrary filters</translation>
    </message>
    <message>
        <source>&#x3000;%1 = %2 mm</source>
        <translation>&#x3000;%1 = %2 mm</translation>
    </message>
    <message>
        <source>%1&#x3000;%2&#x3000;管電圧 = %3 kV&#x3000;ターゲット角度 = %4 度</source>
        <translation>%1&#x3000;%2&#x3000;Tube voltage = %3 kV&#x3000;Target angle = %4 degrees</translation>
    </message>
    <message>
        <source>固有ろ過 = %1 mm Al当量&#x3000;Al フィルタ = %2 mm&#x3000;Cu フィルタ = %3 mm</source>
        <translation>Inherent filtration = %1 mm Al equiv.&#x3000;Al filter = %2 mm&#x3000;Cu filter = %3 mm</translation>
    </message>
    <message>
        <source>表をタブ区切りでクリップボードにコピーしました</source>
        <translation>The table was copied to the clipboard as tab-separated text</translation>
    </message>
    <message>
        <source>バッチファイルに列名の行がありません</source>
        <translation>The batch file has no line of column names</translation>
    </message>
    <message>
        <source>バッチファイルの列名「%1」は使えません。使える列名は %2 です</source>
        <translation>The batch file&apos;s column name &quot;%1&quot; is not known. The known names are %2</translation>
    </message>
    <message>
        <source>バッチファイルの列名「%1」が二度あります</source>
        <translation>The batch file names the column &quot;%1&quot; twice</translation>
    </message>
    <message>
        <source>%1 の「%2」は使えません。tucker か birch を指定して下さい</source>
        <translation>&quot;%2&quot; in %1 is not a model. Give tucker or birch</translation>
    </message>
    <message>
        <source>%1 の「%2」は使えません。1、2、3 のいずれかを指定して下さい</source>
        <translation>&quot;%2&quot; in %1 is not a rectification. Give 1, 2 or 3</translation>
    </message>
    <message>
        <source>%1 に厚さ「%2」がありますが、材質ファイルがありません</source>
        <translation>%1 has the thickness &quot;%2&quot; but no material file</translation>
    </message>
    <message>
        <source>この行の項目は %1 個で、列名の数 %2 と合いません</source>
        <translation>This row has %1 fields, which does not match the %2 column names</translation>
    </message>
    <message>
        <source>フィルターの厚さ</source>
        <translation>Filter thickness</translation>
    </message>
    <message>
        <source>目標の半価層</source>
        <translation>Target HVL</translation>
    </message>
    <message>
        <source>%1の値「%2」は数値ではありません</source>
        <translation>%1: “%2” is not a number</translation>
    </message>
    <message>
        <source>%1の値を入力して下さい</source>
        <translation>%1: please enter a value</translation>
    </message>
    <message>
        <source>%1の値が負です。厚さは 0 mm 以上にして下さい</source>
        <translation>%1: a thickness cannot be negative; please enter 0 mm or more</translation>
    </message>
    <message>
        <source>ターゲット角度が最小限度 (%1度) 以下です</source>
        <translation>The target angle is below the minimum (%1 degrees)</translation>
    </message>
    <message>
        <source>ターゲット角度が最大限度 (%1度) 以上です</source>
        <translation>The target angle is at or above the maximum (%1 degrees)</translation>
    </message>
    <message>
        <source>管電圧は %1 kV に直して計算します（%2 から %3 kV まで）</source>
        <translation>The tube voltage was set to %1 kV (the range is %2 to %3 kV)</translation>
    </message>
    <message>
        <source>フィルタを加えなくても半価層が探索の範囲（%1 mm Al）を超えています</source>
        <translation>Even without the filter the HVL is beyond the search range (%1 mm Al)</translation>
    </message>
    <message>
        <source>グラフをBMP画像として %1 に保存しました。</source>
        <translation>The graph was saved as a BMP image to %1.</translation>
    </message>
    <message>
        <source>ファイル %1 はすでにあります。置き換えますか？</source>
        <translation>The file %1 exists already. Replace it?</translation>
    </message>
    <message>
        <source>材質名「%1」の文字「%2」は Shift-JIS で書けず、名前をスペクトルデータに書けないため、このフィルターは使えません。材質ファイルの 1 行目を直して下さい</source>
        <translation>This filter cannot be used: the character “%2” of its material name “%1” cannot be written in Shift-JIS, in which the name goes into the spectrum data. Please correct line 1 of the material file</translation>
    </message>
    <message>
        <source>材質名「%1」はスペクトルデータを開く表計算ソフトに数式として読まれるため、このフィルターは使えません。材質ファイルの 1 行目を =、+、-、@ 以外の文字で始めて下さい</source>
        <translation>This filter cannot be used: a spreadsheet opening the spectrum data would read its material name “%1” as a formula. Please begin line 1 of the material file with a character other than =, +, - or @</translation>
    </message>
    <message>
        <source>距離</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>出力係数</source>
        <translation>Output factor</translation>
    </message>
    <message>
        <source>物理モデル</source>
        <translation>Physics model</translation>
    </message>
    <message>
        <source>&#x3000;距離 = %1 mm&#x3000;出力係数 = %2</source>
        <translation>&#x3000;Distance = %1 mm&#x3000;Output factor = %2</translation>
    </message>
    <message>
        <source>ターゲットの表の形式ではありません</source>
        <translation>not tables of the target in this format</translation>
    </message>
    <message>
        <source>配列 %1 の途中で終わっています</source>
        <translation>it ends inside the array %1</translation>
    </message>
    <message>
        <source>配列 %1 の位置に %2 があります</source>
        <translation>%2 where the array %1 belongs</translation>
    </message>
    <message>
        <source>配列 %1 の大きさ %2 が合いません</source>
        <translation>the array %1 has the wrong size %2</translation>
    </message>
    <message>
        <source>配列 %1 の %2 番目の値 %3 は使えません</source>
        <translation>value %3 at position %2 of the array %1 is out of range</translation>
    </message>
    <message>
        <source>配列 %1 は %2 keV までしかなく、%3 keV まで必要です</source>
        <translation>the array %1 ends at %2 keV; %3 keV are needed</translation>
    </message>
    <message>
        <source>最後の配列の後に %1 バイト余分にあります</source>
        <translation>%1 more bytes after the last array</translation>
    </message>
    <message>
        <source>%1 番目の線の第 %2 項目がありません</source>
        <translation>line record %1 has no field %2</translation>
    </message>
    <message>
        <source>%1 行目の殻「%2」は K、L1、L2、L3 のどれでもありません</source>
        <translation>the shell “%2” on line %1 is none of K, L1, L2, L3</translation>
    </message>
    <message>
        <source>%1 行目の第 %2 項目「%3」は範囲内の数値ではありません</source>
        <translation>field %2 on line %1, “%3”, is not a number in range</translation>
    </message>
    <message>
        <source>殻 %1 の線の割合の和 %2 が 1 を超えています</source>
        <translation>the shares of the lines of shell %1 add up to %2, more than 1</translation>
    </message>
    <message>
        <source>線がひとつもありません</source>
        <translation>no lines at all</translation>
    </message>
    <message>
        <source>物理モデルのデータファイル %1 を使えません（%2）。Tucker と Birch の式は計算できます。</source>
        <translation>The physics model&apos;s data file %1 cannot be used (%2). Tucker&apos;s and Birch&apos;s formulas still compute.</translation>
    </message>
    <message>
        <source>%1のスペクトルは相対値のため、絶対出力（mAs あたりの空気カーマ）はありません</source>
        <translation>%1 gives relative spectra: it has no absolute output (air kerma per mAs)</translation>
    </message>
    <message>
        <source>%1の値は 0 より大きい数にして下さい</source>
        <translation>%1 must be a number above 0</translation>
    </message>
</context>
<context>
    <name>Rectification</name>
    <message>
        <source>定電圧</source>
        <translation>Constant potential</translation>
    </message>
    <message>
        <source>三相12ピーク</source>
        <translation>Three-phase 12-pulse</translation>
    </message>
    <message>
        <source>単相全波</source>
        <translation>Single-phase full-wave</translation>
    </message>
</context>
<context>
    <name>SpectrumDataDialog</name>
    <message>
        <source>計算した光子数スペクトルデータを csv 形式でファイルに保存します</source>
        <translation>Saves the computed photon spectra as a CSV file</translation>
    </message>
    <message>
        <source>ファイルに保存する内容</source>
        <translation>What the file will hold</translation>
    </message>
    <message>
        <source>保存フォルダを指定して下さい</source>
        <translation>Choose the folder to save in</translation>
    </message>
    <message>
        <source>既存ファイル (.csv)</source>
        <translation>Existing files (.csv)</translation>
    </message>
    <message>
        <source>保存ファイル名（拡張子なしで入力）</source>
        <translation>File name (without extension)</translation>
    </message>
    <message>
        <source> スペクトルデータ保存</source>
        <translation>Save spectrum data</translation>
    </message>
</context>
<context>
    <name>StartForm</name>
    <message>
        <source>診断Ｘ線スペクトルの近似計算</source>
        <translation>Diagnostic X-ray spectra, approximated</translation>
    </message>
    <message>
        <source>ヒール効果を考慮し</source>
        <translation>Taking the heel effect into account,</translation>
    </message>
    <message>
        <source>線束中心 ± 10° の範囲の 2° ごとの</source>
        <translation>every 2° within ±10° of the beam centre:</translation>
    </message>
    <message>
        <source>Ｘ線スペクトルを近似計算</source>
        <translation>the X-ray spectrum, by a semi-empirical model</translation>
    </message>
    <message>
        <source>Tucker の式で計算</source>
        <translation>Tucker&apos;s formula</translation>
    </message>
    <message>
        <source>Birch の式で計算</source>
        <translation>Birch&apos;s formula</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>  Tubeline</source>
        <translation>Tubeline</translation>
    </message>
    <message>
        <source>このプログラムについて</source>
        <translation>About Tubeline</translation>
    </message>
    <message>
        <source>物理モデルで計算</source>
        <translation>Physics model</translation>
    </message>
    <message>
        <source>ターゲット内の電子と制動放射の断面積から計算し、mAs あたりの空気カーマも求めます</source>
        <translation>Computed from the electrons in the target and bremsstrahlung cross sections; gives the air kerma per mAs as well</translation>
    </message>
</context>
</TS>
