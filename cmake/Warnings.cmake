# Our own code builds with every common warning turned into an error.
function(calvorin_warnings target)
  target_compile_options(${target} PRIVATE
    $<$<COMPILE_LANGUAGE:CXX>:-Wall -Wextra -Werror -Wno-missing-field-initializers>)
endfunction()
