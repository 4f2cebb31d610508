# Warnings are errors in the project's own code; third-party headers come in
# through imported targets, whose include folders are SYSTEM and stay quiet.
function(leanlog_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast
    -Wcast-align -Woverloaded-virtual -Wformat=2
    -Wimplicit-fallthrough -Werror)
endfunction()
