# The game client readers built with AddressSanitizer and
# UndefinedBehaviorSanitizer, fed randomised damaged files for a bounded time.
set(QM_CLIENT_READER_SOURCES
  ${CMAKE_SOURCE_DIR}/src/assets/client/ClientFile.cpp
  ${CMAKE_SOURCE_DIR}/src/assets/client/Cliloc.cpp
  ${CMAKE_SOURCE_DIR}/src/assets/client/GumpArt.cpp
  ${CMAKE_SOURCE_DIR}/src/assets/client/GumpPixels.cpp
  ${CMAKE_SOURCE_DIR}/src/assets/client/HueShading.cpp
  ${CMAKE_SOURCE_DIR}/src/assets/client/HuesFile.cpp
  ${CMAKE_SOURCE_DIR}/src/assets/client/ItemArt.cpp
  ${CMAKE_SOURCE_DIR}/src/assets/client/UnicodeFont.cpp
  ${CMAKE_SOURCE_DIR}/src/assets/client/UopArchive.cpp
  ${CMAKE_SOURCE_DIR}/src/assets/GlyphTable.cpp)
add_executable(quillmark_client_fuzz
  ${CMAKE_CURRENT_LIST_DIR}/fuzz/ClientReadersFuzz.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../support/SyntheticClient.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../core_main.cpp
  ${QM_CLIENT_READER_SOURCES})
target_include_directories(quillmark_client_fuzz PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}
  ${CMAKE_CURRENT_LIST_DIR}/..)
target_compile_options(quillmark_client_fuzz PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer
  -fno-sanitize-recover=undefined)
target_link_options(quillmark_client_fuzz PRIVATE -fsanitize=address,undefined)
target_link_libraries(quillmark_client_fuzz PRIVATE Qt6::Core Qt6::Gui GTest::gtest)
add_test(NAME ClientReadersFuzzAsan COMMAND quillmark_client_fuzz)
set_tests_properties(ClientReadersFuzzAsan PROPERTIES TIMEOUT 120
  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=0:abort_on_error=1")

# The font reader, the text converter drawing what it read, and the BMP
# reader, built with AddressSanitizer and UndefinedBehaviorSanitizer and fed
# randomised damaged files for a bounded time (QM_FUZZ_SECONDS, default 5).
set(QM_SRC ${CMAKE_SOURCE_DIR}/src)
add_executable(quillmark_font_fuzz
  ${CMAKE_CURRENT_LIST_DIR}/fuzz/FontReaderFuzz.cpp
  ${QM_SRC}/assets/BitmapFontFile.cpp
  ${QM_SRC}/assets/TextConverter.cpp
  ${QM_SRC}/assets/GlyphTable.cpp
  ${QM_SRC}/assets/BitmapFile.cpp
  ${QM_SRC}/platform/NumberText.cpp
  ${QM_SRC}/platform/CappedFile.cpp
  ${QM_SRC}/platform/ColorText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../support/SyntheticFont.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../support/SyntheticArt.cpp)
target_include_directories(quillmark_font_fuzz PRIVATE ${QM_SRC} ${CMAKE_CURRENT_LIST_DIR}/..)
target_compile_options(quillmark_font_fuzz PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer
  -fno-sanitize-recover=undefined)
target_link_options(quillmark_font_fuzz PRIVATE -fsanitize=address,undefined)
target_link_libraries(quillmark_font_fuzz PRIVATE Qt6::Core Qt6::Gui GTest::gtest)
add_test(NAME FontReaderFuzzAsan COMMAND quillmark_font_fuzz)
set_tests_properties(FontReaderFuzzAsan PROPERTIES TIMEOUT 120
  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=0:abort_on_error=1")
