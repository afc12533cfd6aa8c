Cannot write console output.
