#pragma once

#include <array>

#include "FormLayout.h"

namespace dct::ui {

inline constexpr const char* kLessonTitle = "Lição";
inline constexpr int kLessonClientWidth = 9600;  // twips
inline constexpr int kLessonClientHeight = 7815;
// For fingers, as the window's: the picture above its blocks and figures,
// then the bars and buttons at full width, 40 pixels or more each way.
inline constexpr int kLessonFingerClientWidth = 342;
inline constexpr int kLessonFingerClientHeight = 1250;

// The lesson's controls, by name, once created.
struct LessonControls {
  platform::PictureBox* picPicture = nullptr;
  platform::PictureBox* picOriginal = nullptr;
  platform::PictureBox* picDifference = nullptr;
  platform::PictureBox* picTarget = nullptr;
  platform::PictureBox* picTargetDifference = nullptr;
  platform::Label* lblMeasures = nullptr;
  platform::Label* lblSteps = nullptr;
  platform::Label* lblQuality = nullptr;
  platform::Label* lblKept = nullptr;
  platform::Label* lblLevel = nullptr;
  platform::Label* lblChallenge = nullptr;
  platform::ScrollBar* hsbQuality = nullptr;
  platform::ScrollBar* hsbKept = nullptr;
  platform::ScrollBar* hsbLevel = nullptr;
  platform::CommandButton* cmdOpen = nullptr;
  platform::CommandButton* cmdBuiltin = nullptr;
  platform::CommandButton* cmdNewChallenge = nullptr;
  platform::CommandButton* cmdHint = nullptr;
  platform::CommandButton* cmdCreateChallenge = nullptr;
  platform::TextBox* txtLink = nullptr;
};

using LessonControl = SingleControlOf<LessonControls>;

// The quality bar's 0 is "no quantisation"; 1..100 are JPEG's qualities.
inline constexpr int kQualityOff = 0;

inline constexpr std::array<LessonControl, 26> kLessonControls{{
    {.slot = &LessonControls::picPicture,
     .name = "picPicture",
     .caption = "",
     .rect = Pixels(8, 8, 256, 256),
     .finger = {6, 6, 330, 330},
     .tabIndex = 0,
     .accessibleName = "Imagem: clique, arraste ou use as setas para escolher um bloco",
     .interactive = true},
    {.slot = LabelSlot{},
     .name = "lblOriginal",
     .caption = "Original",
     .rect = Pixels(276, 8, 72, 16),
     .finger = {6, 342, 78, 40},
     .tabIndex = 20},
    {.slot = LabelSlot{},
     .name = "lblDifference",
     .caption = "Diferença",
     .rect = Pixels(354, 8, 72, 16),
     .finger = {90, 342, 78, 40},
     .tabIndex = 21},
    {.slot = LabelSlot{},
     .name = "lblTarget",
     .caption = "Alvo",
     .rect = Pixels(432, 8, 72, 16),
     .finger = {174, 342, 78, 40},
     .tabIndex = 22},
    {.slot = LabelSlot{},
     .name = "lblTargetDifference",
     .caption = "Alvo - janela",
     .rect = Pixels(510, 8, 90, 16),
     .finger = {258, 342, 78, 40},
     .tabIndex = 23},
    {.slot = &LessonControls::picOriginal,
     .name = "picOriginal",
     .caption = "",
     .rect = Pixels(276, 26, 72, 72),
     .finger = {6, 384, 78, 78},
     .tabIndex = 24,
     .accessibleName = "Bloco original, ampliado"},
    {.slot = &LessonControls::picDifference,
     .name = "picDifference",
     .caption = "",
     .rect = Pixels(354, 26, 72, 72),
     .finger = {90, 384, 78, 78},
     .tabIndex = 25,
     .accessibleName = "Diferença entre a janela e o original, ampliada 16 vezes"},
    {.slot = &LessonControls::picTarget,
     .name = "picTarget",
     .caption = "",
     .rect = Pixels(432, 26, 72, 72),
     .finger = {174, 384, 78, 78},
     .tabIndex = 26,
     .accessibleName = "Bloco alvo do desafio, ampliado"},
    {.slot = &LessonControls::picTargetDifference,
     .name = "picTargetDifference",
     .caption = "",
     .rect = Pixels(510, 26, 72, 72),
     .finger = {258, 384, 78, 78},
     .tabIndex = 27,
     .accessibleName = "Diferença entre a janela e o alvo, ampliada 16 vezes"},
    {.slot = &LessonControls::lblMeasures,
     .name = "lblMeasures",
     .caption = "",
     .rect = Pixels(276, 106, 356, 72),
     .finger = {6, 468, 330, 120},
     .tabIndex = 28},
    {.slot = LabelSlot{},
     .name = "lblStepsTitle",
     .caption = "Passos de quantização, em unidades da janela (* = ficou 0):",
     .rect = Pixels(276, 184, 356, 16),
     .finger = {6, 792, 330, 40},
     .tabIndex = 29},
    {.slot = &LessonControls::lblSteps,
     .name = "lblSteps",
     .caption = "",
     .rect = Pixels(276, 202, 356, 136),
     .finger = {6, 834, 330, 148},
     .tabIndex = 30,
     .fixedPitch = true},
    {.slot = &LessonControls::lblQuality,
     .name = "lblQuality",
     .caption = "",
     .rect = Pixels(8, 272, 256, 16),
     .finger = {6, 594, 330, 20},
     .tabIndex = 31},
    {.slot = &LessonControls::hsbQuality,
     .name = "hsbQuality",
     .caption = "",
     .rect = Pixels(8, 290, 256, 17),
     .finger = {6, 616, 330, 44},
     .tabIndex = 1,
     .range = {kQualityOff, 100, 1, 10},
     .value = kQualityOff,
     .accessibleName = "Qualidade"},
    {.slot = &LessonControls::lblKept,
     .name = "lblKept",
     .caption = "",
     .rect = Pixels(8, 314, 256, 16),
     .finger = {6, 666, 330, 20},
     .tabIndex = 32},
    {.slot = &LessonControls::hsbKept,
     .name = "hsbKept",
     .caption = "",
     .rect = Pixels(8, 332, 256, 17),
     .finger = {6, 688, 330, 44},
     .tabIndex = 2,
     .range = {0, 64, 1, 8},
     .value = 64,
     .accessibleName = "Coeficientes mantidos"},
    {.slot = &LessonControls::cmdOpen,
     .name = "cmdOpen",
     .caption = "Abrir imagem…",
     .rect = Pixels(8, 358, 124, 24),
     .finger = {6, 740, 160, 44},
     .tabIndex = 3},
    {.slot = &LessonControls::cmdBuiltin,
     .name = "cmdBuiltin",
     .caption = "Foto da lição",
     .rect = Pixels(140, 358, 124, 24),
     .finger = {176, 740, 160, 44},
     .tabIndex = 4},
    {.slot = LabelSlot{},
     .name = "lblChallengeTitle",
     .caption = "Desafio",
     .rect = Pixels(8, 396, 256, 16),
     .finger = {6, 988, 330, 20},
     .tabIndex = 33},
    {.slot = &LessonControls::lblLevel,
     .name = "lblLevel",
     .caption = "",
     .rect = Pixels(8, 414, 256, 16),
     .finger = {6, 1010, 330, 20},
     .tabIndex = 34},
    {.slot = &LessonControls::hsbLevel,
     .name = "hsbLevel",
     .caption = "",
     .rect = Pixels(8, 432, 256, 17),
     .finger = {6, 1032, 330, 44},
     .tabIndex = 5,
     .range = {1, 10, 1, 1},
     .value = 1,
     .accessibleName = "Nível do desafio"},
    {.slot = &LessonControls::cmdNewChallenge,
     .name = "cmdNewChallenge",
     .caption = "Novo desafio",
     .rect = Pixels(8, 458, 112, 24),
     .finger = {6, 1082, 104, 44},
     .tabIndex = 6},
    {.slot = &LessonControls::cmdHint,
     .name = "cmdHint",
     .caption = "Dica",
     .rect = Pixels(126, 458, 60, 24),
     .finger = {119, 1082, 104, 44},
     .tabIndex = 7},
    {.slot = &LessonControls::cmdCreateChallenge,
     .name = "cmdCreateChallenge",
     .caption = "Criar desafio",
     .rect = Pixels(192, 458, 112, 24),
     .finger = {232, 1082, 104, 44},
     .tabIndex = 8},
    {.slot = &LessonControls::lblChallenge,
     .name = "lblChallenge",
     .caption = "",
     .rect = Pixels(316, 396, 316, 86),
     .finger = {6, 1132, 330, 62},
     .tabIndex = 35,
     .announcesDescription = true},
    {.slot = &LessonControls::txtLink,
     .name = "txtLink",
     .caption = "",
     .rect = Pixels(8, 490, 624, 22),
     .finger = {6, 1200, 330, 44},
     .tabIndex = 9,
     .accessibleName = "Ligação do desafio",
     .locked = true},
}};

}  // namespace dct::ui
