#pragma once

#include <array>
#include <string>

#include "FormLayout.h"

namespace dct::ui {

inline constexpr const char* kLessonTitle = "Lição";
inline constexpr int kLessonClientWidth = 9600;  // twips
inline constexpr int kLessonClientHeight = 9300;
// For fingers, as the window's: the picture above its blocks and figures,
// then the bars and buttons at full width, 40 pixels or more each way.
inline constexpr int kLessonFingerClientWidth = 342;
inline constexpr int kLessonFingerClientHeight = 1712;

// The lesson's controls, by name, once created.
struct LessonControls {
  platform::PictureBox* picPicture = nullptr;
  platform::Label* lblQuality = nullptr;
  platform::ScrollBar* hsbQuality = nullptr;
  platform::Label* lblKept = nullptr;
  platform::ScrollBar* hsbKept = nullptr;
  platform::CommandButton* cmdOpen = nullptr;
  platform::CommandButton* cmdBuiltin = nullptr;
  platform::PictureBox* picOriginal = nullptr;
  platform::PictureBox* picJpeg = nullptr;
  platform::PictureBox* picDifference = nullptr;
  platform::Label* lblDifferenceScale = nullptr;
  platform::Label* lblMeasures = nullptr;
  platform::Label* lblSteps = nullptr;
  platform::Label* lblLevel = nullptr;
  platform::ScrollBar* hsbLevel = nullptr;
  platform::CommandButton* cmdNewChallenge = nullptr;
  platform::CommandButton* cmdHint = nullptr;
  platform::CommandButton* cmdCreateChallenge = nullptr;
  platform::CommandButton* cmdEndChallenge = nullptr;
  platform::PictureBox* picTarget = nullptr;
  platform::PictureBox* picTargetDifference = nullptr;
  platform::Label* lblTargetScale = nullptr;
  platform::Label* lblChallenge = nullptr;
  platform::Label* lblLink = nullptr;
  platform::TextBox* txtLink = nullptr;
  platform::Label* lblLinkNotice = nullptr;
};

using LessonControl = SingleControlOf<LessonControls>;

// The quality bar's 0 is "no quantisation"; 1..100 are JPEG's qualities.
inline constexpr int kQualityOff = 0;
// The quality as said and shown: "desligada" for kQualityOff.
std::string QualityText(int quality);

inline constexpr std::array<LessonControl, 34> kLessonControls{{
    {.slot = &LessonControls::picPicture,
     .name = "picPicture",
     .caption = "",
     .rect = Pixels(8, 8, 256, 256),
     .finger = {6, 6, 330, 330},
     .tabIndex = 0,
     .accessibleName = "Imagem",
     .announcesDescription = true,
     .interactive = true},
    {.slot = &LessonControls::lblQuality,
     .name = "lblQuality",
     .caption = "",
     .rect = Pixels(8, 272, 256, 16),
     .finger = {6, 342, 330, 20},
     .tabIndex = 40},
    {.slot = &LessonControls::hsbQuality,
     .name = "hsbQuality",
     .caption = "",
     .rect = Pixels(8, 290, 256, 17),
     .finger = {6, 364, 330, 44},
     .tabIndex = 1,
     .range = {kQualityOff, 100, 1, 10},
     .value = kQualityOff,
     .valueText = QualityText},
    {.slot = &LessonControls::lblKept,
     .name = "lblKept",
     .caption = "",
     .rect = Pixels(8, 314, 256, 16),
     .finger = {6, 414, 330, 20},
     .tabIndex = 41},
    {.slot = &LessonControls::hsbKept,
     .name = "hsbKept",
     .caption = "",
     .rect = Pixels(8, 332, 256, 17),
     .finger = {6, 436, 330, 44},
     .tabIndex = 2,
     .range = {0, 64, 1, 8},
     .value = 64},
    {.slot = &LessonControls::cmdOpen,
     .name = "cmdOpen",
     .caption = "Abrir imagem…",
     .rect = Pixels(8, 358, 124, 24),
     .finger = {6, 488, 160, 44},
     .tabIndex = 3},
    {.slot = &LessonControls::cmdBuiltin,
     .name = "cmdBuiltin",
     .caption = "Foto da lição",
     .rect = Pixels(140, 358, 124, 24),
     .finger = {176, 488, 160, 44},
     .tabIndex = 4},
    {.slot = LabelSlot{},
     .name = "lblOriginal",
     .caption = "Original",
     .rect = Pixels(276, 8, 72, 16),
     .finger = {6, 540, 78, 20},
     .tabIndex = 20},
    {.slot = LabelSlot{},
     .name = "lblJpeg",
     .caption = "JPEG",
     .rect = Pixels(354, 8, 72, 16),
     .finger = {90, 540, 78, 20},
     .tabIndex = 21},
    {.slot = LabelSlot{},
     .name = "lblDifference",
     .caption = "Janela - original",
     .rect = Pixels(432, 8, 120, 16),
     .finger = {174, 540, 162, 20},
     .tabIndex = 22},
    {.slot = &LessonControls::picOriginal,
     .name = "picOriginal",
     .caption = "",
     .rect = Pixels(276, 26, 72, 72),
     .finger = {6, 562, 78, 78},
     .tabIndex = 23,
     .accessibleName = "Bloco original, ampliado"},
    {.slot = &LessonControls::picJpeg,
     .name = "picJpeg",
     .caption = "",
     .rect = Pixels(354, 26, 72, 72),
     .finger = {90, 562, 78, 78},
     .tabIndex = 24,
     .accessibleName = "O bloco que o JPEG faz, ampliado"},
    {.slot = &LessonControls::picDifference,
     .name = "picDifference",
     .caption = "",
     .rect = Pixels(432, 26, 72, 72),
     .finger = {174, 562, 78, 78},
     .tabIndex = 25,
     .accessibleName = "Diferença entre a janela e o original"},
    {.slot = &LessonControls::lblDifferenceScale,
     .name = "lblDifferenceScale",
     .caption = "",
     .rect = Pixels(510, 26, 122, 32),
     .finger = {258, 562, 78, 78},
     .tabIndex = 26},
    {.slot = &LessonControls::lblMeasures,
     .name = "lblMeasures",
     .caption = "",
     .rect = Pixels(276, 106, 356, 88),
     .finger = {6, 646, 330, 150},
     .tabIndex = 27},
    {.slot = LabelSlot{},
     .name = "lblWhy",
     .caption =
         "A janela perde mais: guarda inteiros de -100 a 100 nas suas unidades, que são passos de "
         "4 a 8 das do JPEG, e o ±100 corta os blocos planos mais escuros e mais claros.",
     .rect = Pixels(276, 198, 356, 44),
     .finger = {6, 802, 330, 100},
     .tabIndex = 28},
    {.slot = LabelSlot{},
     .name = "lblStepsTitle",
     .caption = "Tabela de quantização do JPEG (* = ficou 0):",
     .rect = Pixels(276, 248, 356, 16),
     .finger = {6, 908, 330, 40},
     .tabIndex = 29},
    {.slot = &LessonControls::lblSteps,
     .name = "lblSteps",
     .caption = "",
     .rect = Pixels(276, 266, 356, 136),
     .finger = {6, 950, 330, 148},
     .tabIndex = 30,
     .fixedPitch = true},
    {.slot = LabelSlot{},
     .name = "lblChallengeTitle",
     .caption = "Desafio",
     .rect = Pixels(8, 412, 256, 16),
     .finger = {6, 1106, 330, 20},
     .tabIndex = 31},
    {.slot = &LessonControls::lblLevel,
     .name = "lblLevel",
     .caption = "",
     .rect = Pixels(8, 430, 256, 16),
     .finger = {6, 1128, 330, 20},
     .tabIndex = 42},
    {.slot = &LessonControls::hsbLevel,
     .name = "hsbLevel",
     .caption = "",
     .rect = Pixels(8, 448, 256, 17),
     .finger = {6, 1150, 330, 44},
     .tabIndex = 5,
     .range = {1, 10, 1, 1},
     .value = 1},
    {.slot = &LessonControls::cmdNewChallenge,
     .name = "cmdNewChallenge",
     .caption = "Novo desafio",
     .rect = Pixels(8, 474, 124, 24),
     .finger = {6, 1200, 160, 44},
     .tabIndex = 6},
    {.slot = &LessonControls::cmdHint,
     .name = "cmdHint",
     .caption = "Dica",
     .rect = Pixels(140, 474, 124, 24),
     .finger = {176, 1200, 160, 44},
     .tabIndex = 7},
    {.slot = &LessonControls::cmdCreateChallenge,
     .name = "cmdCreateChallenge",
     .caption = "Criar desafio",
     .rect = Pixels(8, 504, 124, 24),
     .finger = {6, 1250, 160, 44},
     .tabIndex = 8},
    {.slot = &LessonControls::cmdEndChallenge,
     .name = "cmdEndChallenge",
     .caption = "Terminar desafio",
     .rect = Pixels(140, 504, 124, 24),
     .finger = {176, 1250, 160, 44},
     .tabIndex = 9},
    {.slot = LabelSlot{},
     .name = "lblTarget",
     .caption = "Alvo",
     .rect = Pixels(276, 412, 72, 16),
     .finger = {6, 1302, 78, 20},
     .tabIndex = 32},
    {.slot = LabelSlot{},
     .name = "lblTargetDifference",
     .caption = "Alvo - janela",
     .rect = Pixels(354, 412, 100, 16),
     .finger = {90, 1302, 162, 20},
     .tabIndex = 33},
    {.slot = &LessonControls::picTarget,
     .name = "picTarget",
     .caption = "",
     .rect = Pixels(276, 430, 72, 72),
     .finger = {6, 1324, 78, 78},
     .tabIndex = 34,
     .accessibleName = "Bloco alvo do desafio, ampliado"},
    {.slot = &LessonControls::picTargetDifference,
     .name = "picTargetDifference",
     .caption = "",
     .rect = Pixels(354, 430, 72, 72),
     .finger = {90, 1324, 78, 78},
     .tabIndex = 35,
     .accessibleName = "Diferença entre o alvo e a janela"},
    {.slot = &LessonControls::lblTargetScale,
     .name = "lblTargetScale",
     .caption = "",
     .rect = Pixels(354, 504, 72, 16),
     .finger = {174, 1324, 162, 40},
     .tabIndex = 36},
    {.slot = &LessonControls::lblChallenge,
     .name = "lblChallenge",
     .caption = "",
     .rect = Pixels(432, 412, 200, 120),
     .finger = {6, 1408, 330, 120},
     .tabIndex = 37,
     .announcesDescription = true},
    {.slot = &LessonControls::lblLink,
     .name = "lblLink",
     .caption = "Ligação de um desafio (cole aqui uma e carregue em Enter para a abrir):",
     .rect = Pixels(8, 540, 624, 16),
     .finger = {6, 1534, 330, 40},
     .tabIndex = 38},
    {.slot = &LessonControls::txtLink,
     .name = "txtLink",
     .caption = "",
     .rect = Pixels(8, 558, 624, 24),
     .finger = {6, 1576, 330, 44},
     .tabIndex = 10},
    {.slot = &LessonControls::lblLinkNotice,
     .name = "lblLinkNotice",
     .caption = "",
     .rect = Pixels(8, 586, 624, 32),
     .finger = {6, 1626, 330, 80},
     .tabIndex = 39,
     .announcesDescription = true},
}};

}  // namespace dct::ui
