recipes
fitness
shop
