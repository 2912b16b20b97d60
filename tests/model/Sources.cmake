# The model's tests, one list for both builds: natively (tests/model) and as
# WebAssembly under Node (tests/wasm), as the page runs the model.
set(dct_model_test_sources
  ${CMAKE_CURRENT_LIST_DIR}/BlockLinkTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ChallengeTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CoefTableTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CoefficientFromTextTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CosineFactorsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ForwardTransformTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GreyImageTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/JpegLiteral.cpp
  ${CMAKE_CURRENT_LIST_DIR}/JpegLiteralTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LessonBlockTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LiteralSums.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PictureDecoderTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PictureFormatTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReconstructBlockTest.cpp
)
