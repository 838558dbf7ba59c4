include(${CMAKE_CURRENT_LIST_DIR}/header_only.cmake)
tunelark_header_only(CLI11::CLI11 CLI)
