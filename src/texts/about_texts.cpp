#include "about_texts.h"

#include <utility>

#include "model/program_version.h"
#include "translation.h"

namespace tubeline {

AboutTexts AboutTextsNow() {
    return {
        Tr("About",
           "診断用Ｘ線管（タングステンターゲット）から出る光子スペクトルを、Tucker の式、Birch "
           "の式または物理モデルで、線束中心 ± 10° の 11 方向について計算します。物理モデルの"
           "スペクトルは mAs あたりの絶対値で、その空気カーマも示します。"),
        Substitute(Tr("About", "バージョン %1"), {std::string(kProgramVersion)}),
        Tr("About",
           "ライセンス: MIT ライセンス。全文はソースの LICENSE、インストールした場合は "
           "share/doc/tubeline/copyright にあります。"),
        Tr("About",
           "データの出所: 減弱係数と質量エネルギー吸収係数、材質ファイル、タングステンの特性"
           "Ｘ線は xraylib のデータから計算したもので、xraylib の BSD 3 条項ライセンスに従い"
           "ます。物理モデルのターゲットの表は SpekPy 2.5.3（Robert Bujila, Gavin "
           "Poludniowski）の表から作ったもので、その MIT ライセンスに従います。表の構成と"
           "それ以外はこのプロジェクトのもの（MIT）です。詳しくはソースの data/README.md、"
           "インストールした場合は share/doc/tubeline/data-files.md にあります。"),
        Tr("About",
           "検証: 測定されたビーム（PTB）との比較と IEC 61267 の RQR 線質は、ソースの "
           "docs/validation.md、インストールした場合は share/doc/tubeline/validation.md "
           "にあります。"),
    };
}

std::vector<std::string> AboutParagraphs() {
    AboutTexts about = AboutTextsNow();
    return {std::move(about.Description), std::move(about.Version), std::move(about.Licence),
            std::move(about.DataSources), std::move(about.Validation)};
}

}  // namespace tubeline
