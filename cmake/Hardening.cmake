# The hardening Debian builds its own packages with (dpkg-buildflags with hardening=+all, plus the
# stack-clash and control-flow protection newer dpkg adds): every program is a PIE with a strong stack
# protector, fortified libc calls, stack-clash and CET protection, read-only relocations and immediate
# binding. `make package` checks the packaged programs with hardening-check.
#
# Also maps the source and build folders to fixed names in debug information, __FILE__ and the build id,
# so that two checkouts in different folders build the same bytes.
include(CheckPIESupported)
check_pie_supported(LANGUAGES CXX)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=. -ffile-prefix-map=${PROJECT_BINARY_DIR}=build)

if(NOT QUINTEL_SANITIZE)
  set(control_flow "")
  if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64|i.86)$")
    set(control_flow -fcf-protection)
    # Every object of ours is built for IBT and shadow stacks, but Debian 12's C start-up files (Scrt1.o,
    # crti.o, crtn.o: a few lines of assembly) carry no such mark, so the linker would drop it from the
    # program; mark the program anyway.
    add_link_options(LINKER:-z,ibt LINKER:-z,shstk)
  endif()
  add_compile_options(-fstack-protector-strong -fstack-clash-protection ${control_flow} -Wformat
    -Werror=format-security)
  # Fortified calls need the optimiser; a Debug build would only warn about them.
  add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
  add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()
