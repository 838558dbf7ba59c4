// placeholder until the fixture site lands
